<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Zantoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zantoria, Version 1.00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>Measure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan has no monthly payment: its term is 0 years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The down payment is more than the price: there is no loan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A term of more than 1,000 years is not scheduled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is paid on a loan: there is no debt service to cover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rent does not cover the costs even without a loan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The purchase price is 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monthly rent is 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The purchase price less the down payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal and Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The level monthly payment that pays the loan back over its term.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Monthly Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal and interest plus escrow and PMI.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Cash Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rent less the other fees and the total monthly payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safety Cash Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monthly cash flow less the safety margin&apos;s share of the rent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly payments over the term: 12 a year, the last one smaller when the term ends within a year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All payments of principal and interest over the loan&apos;s life.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payoff Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The month of the last payment, counted from the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance after 1 Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is still owed after 12 payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance after 5 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is still owed after 60 payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance after 10 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is still owed after 120 payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equity after 1 Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The down payment plus the principal repaid in 12 payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equity after 5 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The down payment plus the principal repaid in 60 payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equity after 10 Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The down payment plus the principal repaid in 120 payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gross Rent Multiplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The purchase price divided by a year&apos;s rent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rent-to-Price Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monthly rent as a share of the purchase price; investors screen for 1 % (the &quot;1 % rule&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interest rate is too high for this term: the payment is too large to compute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan amount is too large: the payment is too large to compute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure is too large to compute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The term is less than 0 years: the loan has no payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no loan amount: a higher price would need a loan that no one offered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total of Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interest part of all payments: the total of payments less the loan amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out of the comparison.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interest the extra payments save: the total interest of the same loan without them, less this loan&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra payment of loan %1 must be 0 or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cash is invested to earn a return on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacancy, upkeep, reserve and management take all of the rent: no rent breaks even.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash-on-Cash (Year 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debt Service Coverage (Year 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year 1&apos;s net operating income divided by the year&apos;s required payments (principal, interest and PMI; extra payments left out); lenders look for 1.25 or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even Occupancy (Year 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The share of year 1&apos;s rent that must come in to pay its operating costs and required payments; the rest may stand empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even Rent (Year 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monthly rent at which year 1&apos;s cash flow is 0, with vacancy, upkeep, reserve and management as assumed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Offer (Year 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highest purchase price, to the cent, at which year 1&apos;s cash flow is still 0 or more, with this loan&apos;s down payment, rate, term and PMI and the assumptions unchanged: the most to offer the seller on the year&apos;s income.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Operating Income (Month, Year 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A twelfth of year 1&apos;s net operating income of the projection: the rent less vacancy, escrow, other fees, maintenance, capital reserve and management, before any loan payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Operating Income (Year 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year 1&apos;s net operating income of the projection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap Rate (Year 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year 1&apos;s net operating income as a share of the purchase price.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The points and fees take the whole loan amount: nothing is financed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no loan amount: there is no rate to state.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The down payment, the points and lender fees, and all payments of principal and interest: what the purchase costs in all, before escrow, PMI and the other fees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year 1&apos;s cash flow of the projection (the rent less vacancy, escrow, other fees, maintenance, capital reserve, management and every payment) as a share of the cash invested: the cash to close (the down payment, the closing costs, the points and the lender fees).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the lender charges at closing in per cent of the loan amount; one point is 1 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lender&apos;s own fees paid at closing: origination, underwriting and the like.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prepaid Finance Charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The points in money plus the lender fees: what the loan costs before its first payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash to Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The down payment, the closing costs and the prepaid finance charge: the cash invested at the purchase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The annual percentage rate as US law (Regulation Z) computes it: the yearly rate at which the required payments, PMI included, repay the loan amount less points and fees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate over the Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same rate for a buyer who sells at the end of the holding period: the payments until then, extra payments included, and the balance paid off at the sale. Points weigh more the sooner the loan is repaid.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorComboBox</name>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandFiles</name>
    <message>
        <source>%1 is a folder, not a deal file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the report to %1: it is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the report to %1: it is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the report to %1: it is the deal file being read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a pipe, socket or device, not a deal file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is named twice: it would get two reports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report of %1 would replace the deal file %2: write it elsewhere with -o.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reports of %1 and %2 would both be %3: write them one at a time with -o.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileException</name>
    <message>
        <source>No error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 contains an incorrect path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1 because there are too many open files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An incorrect file handle was associated with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encountered a hardware I/O error while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encountered a sharing violation while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encountered a locking violation while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be read: at most %2 MiB are read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportError</name>
    <message>
        <source>Unable to import &apos;%1&apos; : Unrecognized syntax on line %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to import &apos;%1&apos; : Missing label on line %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to import &apos;%1&apos; : Unrecognized label on line %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to import &apos;%1&apos; : Unrecognized locale on line %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to import &apos;%1&apos; : Unrecognized currency on line %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be read: a deal file holds at most %2 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoanAnalysisDialog</name>
    <message>
        <source>best of the five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan of the schedule and the payment chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loan:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Views of the analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison as &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule as C&amp;SV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison of the five loans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule by month or by year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of the balance of each loan over the years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of the chosen loan&apos;s principal and interest per year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: principal and interest per year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Loan Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Loan Analysis as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Comparison as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Schedule as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>least interest: %1 (%2 in all)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Analysis: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The schedule has %1 monthly payments and is printed per year. Save the schedule as CSV for every month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projection as CS&amp;V...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best offer: no offer is compared. Check &quot;Compare&quot; above an offer on the Projection page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out of the comparison: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Projection as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What each offer earns over the holding period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An offer left out is greyed, marked best nowhere and not charted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare loan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen loan&apos;s projection year by year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equity by year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of the equity of each compared offer by year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;jection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, year by year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, year by year: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sc&amp;enarios as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivit&amp;y as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Scenarios as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Sensitivity as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The base case is the Projection page&apos;s assumption; edit it there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, bear market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, bull market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table&apos;s first row is the highest price at which each offer still reaches it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What each offer earns in a bear, the base and a bull market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRR by offer and market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of the IRR of each compared offer in a bear, the base and a bull market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sce&amp;narios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not charted, without an IRR: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan&apos;s interest rate, from 2 points below to 2 points above in half points; a rate below 0 % is not tried.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monthly rent, from 20 % below to 20 % above in steps of 5 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacancy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vacancy, from 0 % to 20 % in steps of 2.5 points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The purchase price, from 20 % below to 20 % above in steps of 5 %, the down payment kept as an amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRR of the chosen loan by appreciation and holding period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRR by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IRR at the hold with one figure changed, the others as they are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensi&amp;tivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: IRR by appreciation (rows) and holding period in years (columns)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colours: %1 from red, the lowest IRR (%2), through yellow, the middle one (%3), to green, the highest (%4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as it is now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colours by rank: red, the lowest IRR; yellow, the middle one; green, the highest; grey, no IRR. Bold: the current appreciation and holding period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Grey: no IRR; the cell&apos;s tooltip says why. Bold: the current appreciation and holding period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search stops at ten times the purchase price; a higher price would reach the target IRR too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best offer by IRR: none stands out (no compared offer has an IRR, or all earn alike)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best offer by IRR over 1 year: %1 (IRR %2, year-1 cash flow %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best offer by IRR over %1 years: %2 (IRR %3, year-1 cash flow %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan C&amp;ost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo&amp;an cost as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Loan Cost as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After 1 year (the hold)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After %1 years (the hold)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After 1 year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After %1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never within the shorter term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month %1 (year %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What each compared offer has cost if the loan is repaid after a month, because you sell or refinance: the down payment, the points and lender fees, every payment with PMI, and the balance then paid off. Points pay off only if you keep the loan long enough.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost if repaid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of what each compared offer has cost if repaid after each month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cheapest offer if you leave after some years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When higher points and fees pay off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheapest if you leave after …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What each offer has cost if the loan is repaid after %1 months: the down payment, the points and lender fees, every payment with PMI, and the balance then paid off. The cheapest compared offer is marked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More points and fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pays off from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first month from which the offer with the higher points and fees has cost no more than the other if repaid, to the end of the shorter term.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No two compared offers differ in points and fees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheapest offer changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of loan %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost if repaid, more than the cheapest offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart of how much more than the cheapest offer each compared offer has cost if repaid after each month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than the cheapest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The taxes of an investor in the United States, simplified: the building is depreciated over 27.5 years, a loss saves tax at the income tax rate (other income absorbs it), and the sale taxes the depreciation taken at the recapture rate and the rest of the gain at the capital gains rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What each offer returns after tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen loan&apos;s taxes year by year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRR before Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, taxes year by year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, taxes year by year: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afte&amp;r Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After ta&amp;x as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save After Tax as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinance within the hold</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Zantoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Purchase price:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Monthly rental income:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly &amp;escrow:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Other monthly fees:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Safety margin (percent):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lender:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do&amp;wn payment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest &amp;rate (percent):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term (&amp;years):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PM&amp;I:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &amp;&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Zantoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan information (%1 of %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ZANT...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the property costs, in your currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The price you would pay for the property. Each loan borrows this price less its down payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rent the property brings in each month, in your currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monthly rent. The cash flow is this rent less the total monthly payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you pay into escrow each month, in your currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monthly escrow payment for property taxes and insurance. It is part of every loan&apos;s total monthly payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other costs each month, in your currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The share of the rent held back, in percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The percentage of the rent held back for vacancies and repairs. The safety cash flow is the cash flow less this share of the rent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you pay up front for this loan, in your currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The down payment of the loan shown. The loan amount is the purchase price less this down payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan&apos;s yearly interest rate, in percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The annual interest rate of the loan shown, in percent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the loan runs, in whole years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The term of the loan shown, in years. A loan without a term has no monthly figures in the report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan&apos;s mortgage insurance each month, in your currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monthly private mortgage insurance (PMI) of the loan shown. It is part of the loan&apos;s total monthly payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZANT Files (*.zant)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a deal file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zantoria opens one deal file at a time. These were not opened:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a pipe, socket or device, not a deal file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan &amp;Analysis...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some entries of &apos;%1&apos; were not read:

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report was saved as %1, but no web browser could be started to show it. Open that file in your browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other monthly costs of the property, such as association fees or upkeep. They lower the cash flow but are no part of a loan&apos;s payment.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Projection</name>
    <message>
        <source>Holding period (years)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many years the property is held before it is sold (1 to 50).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much the property&apos;s value grows each year, from the price paid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rent growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much the rent grows each year, from the second year on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expense growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much escrow and other fees grow each year, from the second year on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacancy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The share of the year&apos;s rent lost to empty months and unpaid rent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairs and upkeep, as a share of the year&apos;s rent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capital reserve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money put aside for large replacements (roof, heating), as a share of the year&apos;s rent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A property manager&apos;s fee, as a share of the year&apos;s rent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The costs of buying, as a share of the price, paid in cash with the down payment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selling costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The costs of selling, as a share of the sale price.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The yearly return the cash could earn elsewhere; the net present value discounts each year&apos;s flow at it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PMI ends at loan-to-value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PMI is paid while the balance owed is above this share of the price; 0 keeps it for the whole loan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target IRR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The return on the cash invested that the purchase must reach; the price to offer is the highest that still reaches it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paid each month on top of the payment, straight into the principal: the loan ends sooner and costs less interest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cash is invested: there is no return to measure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The discount rate must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The holding period must be 1 to 50 years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The appreciation must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rent growth must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expense growth must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vacancy must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maintenance must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The capital reserve must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The management must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The closing costs must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selling costs must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan-to-value at which mortgage insurance ends must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target IRR must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bear case&apos;s appreciation must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bear case&apos;s rent growth must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bear case&apos;s expense growth must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bear case&apos;s vacancy must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bull case&apos;s appreciation must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bull case&apos;s rent growth must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bull case&apos;s expense growth must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bull case&apos;s vacancy must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The extra payment must be 0 or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rate of return makes the cash flows worth 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cash flows never change sign: there is no rate of return.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not computed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no price to search: the down payment is more than ten times the price.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It sets how many years the table runs and the year of the sale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the property value of every year, and so the equity and the sale proceeds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the rent of every year after the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the operating costs of every year after the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the vacancy loss, and so the net operating income.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the operating costs of every year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the cash invested in year 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the sale proceeds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the NPV.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It decides in which months the PMI is paid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the schedule, the debt service, the loan balance and the interest saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash Invested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year-1 Cash Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first year&apos;s net operating income less its debt service and mortgage insurance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal rate of return: the yearly rate at which the cash invested, the yearly cash flows and the sale proceeds at the end of the holding period are worth 0 today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NPV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net present value: the same flows discounted at the discount rate, year 0 undiscounted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equity Multiple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Profit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The yearly cash flows plus the sale proceeds, less the cash invested.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annualized Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sale Proceeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The property&apos;s value at the end of the holding period, less the selling costs and the loan balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interest the extra payments save over the loan&apos;s life, against the same loan without them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The year of the holding period, counted from the purchase.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The year&apos;s gross scheduled rent: twelve months of rent, grown by the rent growth from the second year on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vacancy Loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rent times the vacancy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating Costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twelve months of escrow and other fees, grown by the expense growth from the second year on, plus the rent times maintenance, capital reserve and management.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Operating Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rent less the vacancy loss and the operating costs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debt Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The payments of the year&apos;s twelve months, extra payments included; 0 after the payoff.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monthly PMI for each month of the year in which the balance owed is above the loan-to-value at which PMI ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The net operating income less the debt service and the PMI.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The price, grown by the appreciation each year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is still owed at the end of the year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The property value less the loan balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a sale at the end of the year leaves: the property value less the selling costs and the loan balance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRR if Sold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IRR had the property been sold at the end of this year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NPV if Sold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The NPV had the property been sold at the end of this year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equity Multiple if Sold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The equity multiple had the property been sold at the end of this year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An interest rate below 0 % is not tried.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It sets the price to offer of each loan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It replaces the base figure in the bear market&apos;s projection; every other assumption is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It replaces the base figure in the bull market&apos;s projection; every other assumption is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bull</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A falling market: its appreciation, rent growth, expense growth and vacancy replace the base case&apos;s; every other assumption is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A rising market: its appreciation, rent growth, expense growth and vacancy replace the base case&apos;s; every other assumption is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The assumptions of the Projection page as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price to Offer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highest purchase price at which the IRR at the hold still reaches the target IRR, everything else as typed: the down payment as an amount, the closing costs a share of the new price, the value growing from it, PMI&apos;s end loan-to-value of it. Searched between the down payment and ten times the price, to the cent; none where no price in that range reaches the target (the IRR may rise with the price as well as fall).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assumption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No price from the down payment to ten times the price asked reaches the target IRR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the deal pays out (the years that bring cash in, the sale included) divided by what is put into it (the cash invested and the cash that covers a year&apos;s shortfall); never below 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The yearly rate at which the equity multiple builds up over the holding period: the multiple to the power of 1 over the years, less 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the lender charges at closing in per cent of the loan amount (1 % is one point), usually for a lower rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the cash to close, and so the cash invested, the APR and the cost if repaid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lender&apos;s own fees paid at closing (origination, underwriting and the like); title, appraisal and escrow deposits belong in the closing costs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cash to close, paid in year 0: the down payment, the closing costs, the points and the lender fees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More points and fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break-even month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Land share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The part of the price and closing costs that pays for the land, which is not depreciated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It sets the depreciable basis, and so the depreciation of every year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income tax rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The investor&apos;s top rate of income tax; a loss saves tax at it, as other income absorbs it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the income tax of every year, and the tax on a sale at a loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capital gains rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tax rate on the gain of the sale beyond the depreciation taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It enters the tax on the sale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recapture rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tax rate on the part of the gain that the depreciation taken made: the sale takes back part of what depreciation saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinance after year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The year at whose end every offer&apos;s loan is replaced by a new one; 0 for no refinance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the next year on the debt service, balance and sale proceeds are the new loan&apos;s; the cash out is a flow of that year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinance loan-to-value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new loan as a share of the property&apos;s value in the year of the refinance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It sets the new loan amount, and so the cash out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinance rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new loan&apos;s yearly interest rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It sets the new loan&apos;s payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinance term (years)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new loan&apos;s term in whole years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinance costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The costs of the new loan as a share of it, paid out of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They lower the cash out, and are deducted from the income over the new loan&apos;s term.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refinance is left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No refinance is made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refinance Cash Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new loan less the balance it pays off and its costs: cash in hand in the year of the refinance; below 0 where cash must be brought.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash Left in the Deal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cash invested less the refinance&apos;s cash out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash-on-Cash after the Refinance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cash flow of the year after the refinance as a share of the cash left in the deal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the year of a refinance: the new loan less the balance it pays off and its costs, a flow of its own for every sale after that year; below 0 where cash must be brought.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The price and closing costs less the land share, written off straight over 27.5 years from mid-month: 11.5 months in the first year and in the year of the sale, 12 in the others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interest part of the year&apos;s payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Costs Deducted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The points and lender fees spread evenly over the loan&apos;s term, for the months it is paid; what is left in the year of its payoff, the refinance or the sale. A refinance&apos;s costs are spread over the new loan&apos;s term.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taxable Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The net operating income less the interest, the PMI, the depreciation and the loan costs deducted; below 0 a loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Income Tax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The taxable income times the income tax rate; a loss saves tax, as the investor&apos;s other income absorbs it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After-Tax Cash Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cash flow less the income tax.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After-Tax IRR if Sold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The IRR after tax had the property been sold at the end of this year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After-Tax IRR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The yearly rate at which the after-tax flows are worth 0: the cash invested, each year&apos;s cash flow less its income tax (and a refinance&apos;s cash out), and the sale proceeds less the tax on the sale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After-Tax NPV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The after-tax flows discounted at the discount rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After-Tax Equity Multiple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the after-tax flows paid out divided by what they put in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After-Tax Profit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The after-tax flows of the hold less the cash invested: what the investor keeps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depreciation Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The depreciation of every year of the hold: it lowered the income taxed, and the sale taxes it back at the recapture rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tax on the Sale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The gain up to the depreciation taken at the recapture rate, the rest at the capital gains rate; a sale at a loss saves tax at the income tax rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refinance returns all the cash invested: nothing is left in the deal to earn on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The land share must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The income tax rate must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The capital gains rate must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recapture rate must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refinance loan-to-value must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refinance rate must be more than -100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refinance costs must be 0 % to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refinance is left out: its term must be 1 year or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refinance is left out: its year must be 0 (none) or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refinance after year %1 is left out: the holding period ends after year %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadNotice</name>
    <message>
        <source>the description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the purchase price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the monthly rental income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the monthly escrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the other monthly fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the safety margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lender of loan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the down payment of loan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the interest rate of loan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the term of loan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PMI of loan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the figure %2 for %3 is too large to show; it was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2 is longer than 1,000 characters (%3); it was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved figure %1 for %2 is too large to show; it was not used, and stays saved as it was until you enter another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved text of %1 is longer than 1,000 characters (%2); it was not used, and stays saved as it was until you enter another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the holding period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the appreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rent growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the expense growth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the vacancy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the maintenance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the capital reserve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the management fee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the closing costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the selling costs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the discount rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the loan-to-value at which PMI ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the target IRR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the appreciation of the bear market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rent growth of the bear market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the expense growth of the bear market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the vacancy of the bear market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the appreciation of the bull market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rent growth of the bull market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the expense growth of the bull market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the vacancy of the bull market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the extra payment of loan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved entry %1 for %2 is not a number (such as 3.5); it was not used, and stays saved as it was until you enter another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the points of loan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lender fees of loan %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the land share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the income tax rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the capital gains rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the recapture rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the year of the refinance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the loan-to-value of the refinance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rate of the refinance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the term of the refinance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the costs of the refinance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Rental Income</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Escrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Monthly Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safety Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Term (Years)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PMI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal and Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Monthly Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Cash Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safety Cash Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculator command:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font &amp;size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Labels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Even rows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Odd rows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Od&amp;d rows (calculated):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset settings back to their default values?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WidgetPrompt</name>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZantoriaApp</name>
    <message>
        <source>Your figures and settings could not be saved: the disk may be full, or the settings folder may not be writable.

Make room and choose Retry, choose Export to keep the deal in a file of your choice, or choose Discard to end without them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No calculator command is set. Name your calculator program in the settings (F12).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculator &quot;%1&quot; could not be started. Name a calculator program installed on this computer, without arguments, in the settings (F12).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Weighs the purchase of a rental property: one property&apos;s figures and up to five loan offers, compared side by side in a report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A deal file to open, as Import Data would.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no display available; start it from a graphical desktop session (DISPLAY or WAYLAND_DISPLAY is not set).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No deal file given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o names one report, but %1 deal files were given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to OUTPUT: for html instead of the deal file&apos;s name with the extension .htm (one deal file only); for csv and json instead of standard output. - is standard output. Without it each deal file gets its own report: of two whose reports would have the same name, the later keeps its whole name (deal.v2 gives deal.v2.htm); a run in which two would still write the same file, or that names a deal file twice, is refused before anything is written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deal files to read: regular files only, no folders, FIFOs or devices. Messages show a name&apos;s control characters and bytes that are no UTF-8 as \xHH, and a backslash as \\.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes the Zantoria report of each deal file (*.zant) as an HTML page beside it, or the
figures and loan analysis of all of them as one CSV table or JSON document.

Exit status: 0 when all was written; 1 for wrong arguments or a faulty line in a deal
file (no &quot;=&quot;, a missing or unknown label, an unknown locale or currency, a figure too
large to show, a text longer than 1,000 characters); 2 when a file cannot be read or
written, or memory runs out. With several files the worst counts; CSV and JSON leave
out the files that cannot be read. A figure that does not read as a number (&quot;abc&quot;) is
no error: it counts as 0, as it does in the program&apos;s window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--assume %1: unknown label; use LABEL=NUMBER with a label of the deal file&apos;s projection block, such as HoldYears or Appreciation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--assume %1: &quot;%2&quot; is not a number; write it with &quot;.&quot; as the decimal point (Appreciation=4.5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The figure is too large to show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--assume goes with --format=csv or --format=json.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use NUMBER for an assumption of the holding period instead of the deal file&apos;s, for csv and json: LABEL is a label of the file&apos;s projection block (%1), NUMBER a plain number with &quot;.&quot; as its point, in per cent for shares and rates: --assume Appreciation=4.5 --assume HoldYears=20. May be given many times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No figure below 0 is allowed for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;: use html, csv, json or jsonl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--yearly goes with --format=csv, json or jsonl.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pretty goes with --format=json.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs takes a whole number from 1 to 1024.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>html (the report, the default), csv (a line per loan of each file, the file&apos;s name first), json (one document; see docs/analysis-json.md) or jsonl (one deal&apos;s object a line, for jq and databases). csv and json give each loan&apos;s projection over the holding period, its IRR in a bear, the base and a bull market, and the highest price at which it still reaches the target IRR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --format=csv: the holding period year by year, a line per file, loan and year, instead of a line per loan. With json and jsonl: each loan&apos;s projection and after-tax figures with their years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --format=json: indented, for a person to read; without it the document is on one line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute N deal files at once (default: the number of processors); the output is the same, in the order of the command line.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
