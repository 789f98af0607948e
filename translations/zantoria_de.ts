<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Zantoria</source>
        <translation>Über Zantoria</translation>
    </message>
    <message>
        <source>Zantoria, Version 1.00</source>
        <translation>Zantoria, Version 1.00</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Analysis</name>
    <message>
        <source>Measure</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>Lender</source>
        <translation>Kreditgeber</translation>
    </message>
    <message>
        <source>Loan %1</source>
        <translation>Darlehen %1</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>The loan has no monthly payment: its term is 0 years.</source>
        <translation>Das Darlehen hat keine Monatsrate: Seine Laufzeit beträgt 0 Jahre.</translation>
    </message>
    <message>
        <source>The down payment is more than the price: there is no loan.</source>
        <translation>Die Anzahlung ist höher als der Kaufpreis: Es gibt kein Darlehen.</translation>
    </message>
    <message>
        <source>A term of more than 1,000 years is not scheduled.</source>
        <translation>Für eine Laufzeit von mehr als 1.000 Jahren wird kein Tilgungsplan erstellt.</translation>
    </message>
    <message>
        <source>Nothing is paid on a loan: there is no debt service to cover.</source>
        <translation>Auf das Darlehen wird nichts gezahlt: Es gibt keinen Schuldendienst, der zu decken wäre.</translation>
    </message>
    <message>
        <source>The rent does not cover the costs even without a loan.</source>
        <translation>Die Miete deckt die Kosten selbst ohne Darlehen nicht.</translation>
    </message>
    <message>
        <source>The purchase price is 0.</source>
        <translation>Der Kaufpreis ist 0.</translation>
    </message>
    <message>
        <source>The monthly rent is 0.</source>
        <translation>Die monatliche Miete ist 0.</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Darlehensbetrag</translation>
    </message>
    <message>
        <source>The purchase price less the down payment.</source>
        <translation>Der Kaufpreis abzüglich der Anzahlung.</translation>
    </message>
    <message>
        <source>Principal and Interest</source>
        <translation>Zins und Tilgung</translation>
    </message>
    <message>
        <source>The level monthly payment that pays the loan back over its term.</source>
        <translation>Die gleichbleibende Monatsrate, die das Darlehen über seine Laufzeit zurückzahlt.</translation>
    </message>
    <message>
        <source>Total Monthly Payment</source>
        <translation>Monatliche Gesamtrate</translation>
    </message>
    <message>
        <source>Principal and interest plus escrow and PMI.</source>
        <translation>Zins und Tilgung zuzüglich Steuern und Versicherung sowie Hypothekenversicherung.</translation>
    </message>
    <message>
        <source>Monthly Cash Flow</source>
        <translation>Monatlicher Cashflow</translation>
    </message>
    <message>
        <source>The rent less the other fees and the total monthly payment.</source>
        <translation>Die Miete abzüglich der sonstigen Kosten und der monatlichen Gesamtrate.</translation>
    </message>
    <message>
        <source>Safety Cash Flow</source>
        <translation>Cashflow nach Sicherheitsabschlag</translation>
    </message>
    <message>
        <source>The monthly cash flow less the safety margin&apos;s share of the rent.</source>
        <translation>Der monatliche Cashflow abzüglich des Anteils der Miete, den der Sicherheitsabschlag zurückhält.</translation>
    </message>
    <message>
        <source>Number of Payments</source>
        <translation>Anzahl der Raten</translation>
    </message>
    <message>
        <source>Monthly payments over the term: 12 a year, the last one smaller when the term ends within a year.</source>
        <translation>Monatsraten über die Laufzeit: 12 im Jahr, die letzte kleiner, wenn die Laufzeit innerhalb eines Jahres endet.</translation>
    </message>
    <message>
        <source>All payments of principal and interest over the loan&apos;s life.</source>
        <translation>Alle Zahlungen für Zins und Tilgung über die Laufzeit des Darlehens.</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Zinsen insgesamt</translation>
    </message>
    <message>
        <source>Payoff Month</source>
        <translation>Monat der Volltilgung</translation>
    </message>
    <message>
        <source>The month of the last payment, counted from the first.</source>
        <translation>Der Monat der letzten Rate, gezählt ab der ersten.</translation>
    </message>
    <message>
        <source>Balance after 1 Year</source>
        <translation>Restschuld nach 1 Jahr</translation>
    </message>
    <message>
        <source>What is still owed after 12 payments.</source>
        <translation>Was nach 12 Raten noch geschuldet wird.</translation>
    </message>
    <message>
        <source>Balance after 5 Years</source>
        <translation>Restschuld nach 5 Jahren</translation>
    </message>
    <message>
        <source>What is still owed after 60 payments.</source>
        <translation>Was nach 60 Raten noch geschuldet wird.</translation>
    </message>
    <message>
        <source>Balance after 10 Years</source>
        <translation>Restschuld nach 10 Jahren</translation>
    </message>
    <message>
        <source>What is still owed after 120 payments.</source>
        <translation>Was nach 120 Raten noch geschuldet wird.</translation>
    </message>
    <message>
        <source>Equity after 1 Year</source>
        <translation>Eigenkapital nach 1 Jahr</translation>
    </message>
    <message>
        <source>The down payment plus the principal repaid in 12 payments.</source>
        <translation>Die Anzahlung zuzüglich der in 12 Raten getilgten Summe.</translation>
    </message>
    <message>
        <source>Equity after 5 Years</source>
        <translation>Eigenkapital nach 5 Jahren</translation>
    </message>
    <message>
        <source>The down payment plus the principal repaid in 60 payments.</source>
        <translation>Die Anzahlung zuzüglich der in 60 Raten getilgten Summe.</translation>
    </message>
    <message>
        <source>Equity after 10 Years</source>
        <translation>Eigenkapital nach 10 Jahren</translation>
    </message>
    <message>
        <source>The down payment plus the principal repaid in 120 payments.</source>
        <translation>Die Anzahlung zuzüglich der in 120 Raten getilgten Summe.</translation>
    </message>
    <message>
        <source>Gross Rent Multiplier</source>
        <translation>Kaufpreisfaktor</translation>
    </message>
    <message>
        <source>The purchase price divided by a year&apos;s rent.</source>
        <translation>Der Kaufpreis geteilt durch die Miete eines Jahres.</translation>
    </message>
    <message>
        <source>Rent-to-Price Ratio</source>
        <translation>Verhältnis Miete zu Kaufpreis</translation>
    </message>
    <message>
        <source>The monthly rent as a share of the purchase price; investors screen for 1 % (the &quot;1 % rule&quot;).</source>
        <translation>Die monatliche Miete als Anteil am Kaufpreis; Anleger achten auf 1 % (die „1-%-Regel“).</translation>
    </message>
    <message>
        <source>Loan %1: %2</source>
        <translation>Darlehen %1: %2</translation>
    </message>
    <message>
        <source>The interest rate is too high for this term: the payment is too large to compute.</source>
        <translation>Der Zinssatz ist für diese Laufzeit zu hoch: Die Rate ist zu groß, um sie zu berechnen.</translation>
    </message>
    <message>
        <source>The loan amount is too large: the payment is too large to compute.</source>
        <translation>Der Darlehensbetrag ist zu groß: Die Rate ist zu groß, um sie zu berechnen.</translation>
    </message>
    <message>
        <source>The figure is too large to compute.</source>
        <translation>Die Zahl ist zu groß, um sie zu berechnen.</translation>
    </message>
    <message>
        <source>The term is less than 0 years: the loan has no payments.</source>
        <translation>Die Laufzeit ist kürzer als 0 Jahre: Das Darlehen hat keine Raten.</translation>
    </message>
    <message>
        <source>There is no loan amount: a higher price would need a loan that no one offered.</source>
        <translation>Es gibt keinen Darlehensbetrag: Ein höherer Preis bräuchte ein Darlehen, das niemand angeboten hat.</translation>
    </message>
    <message>
        <source>Total of Payments</source>
        <translation>Summe der Raten</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message>
        <source>The interest part of all payments: the total of payments less the loan amount.</source>
        <translation>Der Zinsanteil aller Zahlungen: die Summe der Raten abzüglich des Darlehensbetrags.</translation>
    </message>
    <message>
        <source>Interest Saved</source>
        <translation>Ersparte Zinsen</translation>
    </message>
    <message>
        <source>Left out of the comparison.</source>
        <translation>Aus dem Vergleich ausgelassen.</translation>
    </message>
    <message>
        <source>The interest the extra payments save: the total interest of the same loan without them, less this loan&apos;s.</source>
        <translation>Die Zinsen, die die Sondertilgungen ersparen: die Zinsen insgesamt desselben Darlehens ohne sie, abzüglich derer dieses Darlehens.</translation>
    </message>
    <message>
        <source>The extra payment of loan %1 must be 0 or more.</source>
        <translation>Die Sondertilgung von Darlehen %1 muss 0 oder mehr betragen.</translation>
    </message>
    <message>
        <source>No cash is invested to earn a return on.</source>
        <translation>Es wird kein Kapital eingesetzt, auf das sich eine Rendite beziehen könnte.</translation>
    </message>
    <message>
        <source>Vacancy, upkeep, reserve and management take all of the rent: no rent breaks even.</source>
        <translation>Leerstand, Instandhaltung, Erneuerungsrücklage und Verwaltungskosten zehren die ganze Miete auf: Keine Miete deckt die Kosten.</translation>
    </message>
    <message>
        <source>Cash-on-Cash (Year 1)</source>
        <translation>Eigenkapitalrendite (Cash-on-Cash) (1. Jahr)</translation>
    </message>
    <message>
        <source>Debt Service Coverage (Year 1)</source>
        <translation>Schuldendienstdeckungsgrad (DSCR) (1. Jahr)</translation>
    </message>
    <message>
        <source>Year 1&apos;s net operating income divided by the year&apos;s required payments (principal, interest and PMI; extra payments left out); lenders look for 1.25 or more.</source>
        <translation>Der Reinertrag im 1. Jahr geteilt durch die planmäßigen Zahlungen des Jahres (Zins und Tilgung sowie Hypothekenversicherung; ohne Sondertilgungen); Kreditgeber erwarten 1,25 oder mehr.</translation>
    </message>
    <message>
        <source>Break-even Occupancy (Year 1)</source>
        <translation>Break-even-Vermietungsquote (1. Jahr)</translation>
    </message>
    <message>
        <source>The share of year 1&apos;s rent that must come in to pay its operating costs and required payments; the rest may stand empty.</source>
        <translation>Der Anteil der Miete im 1. Jahr, der eingehen muss, um die Bewirtschaftungskosten und die planmäßigen Zahlungen dieses Jahres zu decken; der Rest darf durch Leerstand ausfallen.</translation>
    </message>
    <message>
        <source>Break-even Rent (Year 1)</source>
        <translation>Kostendeckende Miete (1. Jahr)</translation>
    </message>
    <message>
        <source>The monthly rent at which year 1&apos;s cash flow is 0, with vacancy, upkeep, reserve and management as assumed.</source>
        <translation>Die monatliche Miete, bei der der Cashflow im 1. Jahr 0 ist, mit Leerstand, Instandhaltung, Erneuerungsrücklage und Verwaltungskosten wie angenommen.</translation>
    </message>
    <message>
        <source>Highest Offer (Year 1)</source>
        <translation>Höchster tragbarer Kaufpreis (1. Jahr)</translation>
    </message>
    <message>
        <source>The highest purchase price, to the cent, at which year 1&apos;s cash flow is still 0 or more, with this loan&apos;s down payment, rate, term and PMI and the assumptions unchanged: the most to offer the seller on the year&apos;s income.</source>
        <translation>Der höchste Kaufpreis, auf den Cent genau, bei dem der Cashflow im 1. Jahr noch 0 oder mehr beträgt, wenn Anzahlung, Zinssatz, Laufzeit und Hypothekenversicherung dieses Darlehens sowie die Annahmen gleich bleiben: das Höchste, was Sie dem Verkäufer gemessen an den Einnahmen dieses Jahres bieten sollten.</translation>
    </message>
    <message>
        <source>Net Operating Income (Month, Year 1)</source>
        <translation>Reinertrag (NOI) (Monat, 1. Jahr)</translation>
    </message>
    <message>
        <source>A twelfth of year 1&apos;s net operating income of the projection: the rent less vacancy, escrow, other fees, maintenance, capital reserve and management, before any loan payment.</source>
        <translation>Ein Zwölftel des Reinertrags im 1. Jahr der Projektion: die Miete abzüglich Leerstand, Steuern und Versicherung, sonstiger Kosten, Instandhaltung, Erneuerungsrücklage und Verwaltungskosten, vor jeder Darlehensrate.</translation>
    </message>
    <message>
        <source>Net Operating Income (Year 1)</source>
        <translation>Reinertrag (NOI) (1. Jahr)</translation>
    </message>
    <message>
        <source>Year 1&apos;s net operating income of the projection.</source>
        <translation>Der Reinertrag im 1. Jahr der Projektion.</translation>
    </message>
    <message>
        <source>Cap Rate (Year 1)</source>
        <translation>Kapitalisierungsrate (Cap Rate) (1. Jahr)</translation>
    </message>
    <message>
        <source>Year 1&apos;s net operating income as a share of the purchase price.</source>
        <translation>Der Reinertrag im 1. Jahr als Anteil am Kaufpreis.</translation>
    </message>
    <message>
        <source>The points and fees take the whole loan amount: nothing is financed.</source>
        <translation>Disagio und Bearbeitungsgebühren zehren den ganzen Darlehensbetrag auf: Es wird nichts finanziert.</translation>
    </message>
    <message>
        <source>There is no loan amount: there is no rate to state.</source>
        <translation>Es gibt keinen Darlehensbetrag: Es lässt sich kein Zinssatz angeben.</translation>
    </message>
    <message>
        <source>The down payment, the points and lender fees, and all payments of principal and interest: what the purchase costs in all, before escrow, PMI and the other fees.</source>
        <translation>Die Anzahlung, das Disagio und die Bearbeitungsgebühren sowie alle Zahlungen für Zins und Tilgung: was der Kauf insgesamt kostet, vor Steuern und Versicherung, Hypothekenversicherung und den sonstigen Kosten.</translation>
    </message>
    <message>
        <source>Year 1&apos;s cash flow of the projection (the rent less vacancy, escrow, other fees, maintenance, capital reserve, management and every payment) as a share of the cash invested: the cash to close (the down payment, the closing costs, the points and the lender fees).</source>
        <translation>Der Cashflow im 1. Jahr der Projektion (die Miete abzüglich Leerstand, Steuern und Versicherung, sonstiger Kosten, Instandhaltung, Erneuerungsrücklage, Verwaltungskosten und aller Zahlungen für das Darlehen) im Verhältnis zum eingesetzten Kapital: dem Kapitalbedarf bei Kauf (Anzahlung, Kaufnebenkosten, Disagio und Bearbeitungsgebühren).</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Disagio (Points)</translation>
    </message>
    <message>
        <source>What the lender charges at closing in per cent of the loan amount; one point is 1 %.</source>
        <translation>Was der Kreditgeber bei Auszahlung in Prozent des Darlehensbetrags berechnet; ein Point ist 1 %.</translation>
    </message>
    <message>
        <source>Lender Fees</source>
        <translation>Bearbeitungsgebühren</translation>
    </message>
    <message>
        <source>The lender&apos;s own fees paid at closing: origination, underwriting and the like.</source>
        <translation>Die eigenen Gebühren des Kreditgebers, bei Auszahlung gezahlt: für Bearbeitung, Kreditprüfung und Ähnliches.</translation>
    </message>
    <message>
        <source>Prepaid Finance Charge</source>
        <translation>Vorab gezahlte Finanzierungskosten</translation>
    </message>
    <message>
        <source>The points in money plus the lender fees: what the loan costs before its first payment.</source>
        <translation>Das Disagio als Betrag zuzüglich der Bearbeitungsgebühren: was das Darlehen vor seiner ersten Rate kostet.</translation>
    </message>
    <message>
        <source>Cash to Close</source>
        <translation>Kapitalbedarf bei Kauf</translation>
    </message>
    <message>
        <source>The down payment, the closing costs and the prepaid finance charge: the cash invested at the purchase.</source>
        <translation>Die Anzahlung, die Kaufnebenkosten und die vorab gezahlten Finanzierungskosten: das beim Kauf eingesetzte Kapital.</translation>
    </message>
    <message>
        <source>APR</source>
        <translation>Effektiver Jahreszins (APR)</translation>
    </message>
    <message>
        <source>The annual percentage rate as US law (Regulation Z) computes it: the yearly rate at which the required payments, PMI included, repay the loan amount less points and fees.</source>
        <translation>Der effektive Jahreszins, wie ihn das US-Recht berechnet (Regulation Z, nicht die deutsche PAngV): der jährliche Zinssatz, zu dem die planmäßigen Zahlungen, Hypothekenversicherung eingeschlossen, den Darlehensbetrag abzüglich Disagio und Bearbeitungsgebühren zurückzahlen.</translation>
    </message>
    <message>
        <source>Rate over the Hold</source>
        <translation>Effektivzins über die Haltedauer</translation>
    </message>
    <message>
        <source>The same rate for a buyer who sells at the end of the holding period: the payments until then, extra payments included, and the balance paid off at the sale. Points weigh more the sooner the loan is repaid.</source>
        <translation>Derselbe Zinssatz wie beim effektiven Jahreszins, gerechnet für einen Käufer, der am Ende der Haltedauer verkauft: die Zahlungen bis dahin, Sondertilgungen eingeschlossen, und die beim Verkauf abgelöste Restschuld. Ein Disagio fällt umso stärker ins Gewicht, je früher das Darlehen abgelöst wird.</translation>
    </message>
</context>
<context>
    <name>ColorComboBox</name>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>CommandFiles</name>
    <message>
        <source>%1 is a folder, not a deal file.</source>
        <translation>%1 ist ein Ordner, keine Datendatei.</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: it is a folder.</source>
        <translation>Der Bericht kann nicht nach %1 geschrieben werden: Das ist ein Ordner.</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: it is not a regular file.</source>
        <translation>Der Bericht kann nicht nach %1 geschrieben werden: Das ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Cannot write the report to %1: it is the deal file being read.</source>
        <translation>Der Bericht kann nicht nach %1 geschrieben werden: Das ist die gelesene Datendatei.</translation>
    </message>
    <message>
        <source>%1 is a pipe, socket or device, not a deal file.</source>
        <translation>%1 ist eine Pipe, ein Socket oder ein Gerät, keine Datendatei.</translation>
    </message>
    <message>
        <source>%1 is named twice: it would get two reports.</source>
        <translation>%1 ist zweimal genannt: Die Datei bekäme zwei Berichte.</translation>
    </message>
    <message>
        <source>The report of %1 would replace the deal file %2: write it elsewhere with -o.</source>
        <translation>Der Bericht von %1 würde die Datendatei %2 ersetzen: Schreiben Sie ihn mit -o an einen anderen Ort.</translation>
    </message>
    <message>
        <source>The reports of %1 and %2 would both be %3: write them one at a time with -o.</source>
        <translation>Die Berichte von %1 und %2 wären beide %3: Schreiben Sie sie einzeln mit -o.</translation>
    </message>
    <message>
        <source>Cannot write to standard output: %1.</source>
        <translation>Die Standardausgabe kann nicht geschrieben werden: %1.</translation>
    </message>
</context>
<context>
    <name>FileException</name>
    <message>
        <source>No error occurred.</source>
        <translation>Es ist kein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an incorrect path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>Could not open %1 because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet sind.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>An incorrect file handle was associated with %1.</source>
        <translation>Mit %1 war ein ungültiges Datei-Handle verknüpft.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionieren in %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Encountered a hardware I/O error while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein Hardware-E/A-Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Encountered a sharing violation while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>Encountered a locking violation while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Sperrverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Beim Zugriff auf %1 war der Datenträger voll.</translation>
    </message>
    <message>
        <source>%1 is too large to be read: at most %2 MiB are read.</source>
        <translation>%1 ist zu groß zum Lesen: Gelesen werden höchstens %2 MiB.</translation>
    </message>
</context>
<context>
    <name>ImportError</name>
    <message>
        <source>Unable to import &apos;%1&apos; : Unrecognized syntax on line %2.</source>
        <translation>&apos;%1&apos; kann nicht importiert werden: Unbekannte Syntax in Zeile %2.</translation>
    </message>
    <message>
        <source>Unable to import &apos;%1&apos; : Missing label on line %2.</source>
        <translation>&apos;%1&apos; kann nicht importiert werden: Fehlende Bezeichnung in Zeile %2.</translation>
    </message>
    <message>
        <source>Unable to import &apos;%1&apos; : Unrecognized label on line %2.</source>
        <translation>&apos;%1&apos; kann nicht importiert werden: Unbekannte Bezeichnung in Zeile %2.</translation>
    </message>
    <message>
        <source>Unable to import &apos;%1&apos; : Unrecognized locale on line %2.</source>
        <translation>&apos;%1&apos; kann nicht importiert werden: Unbekanntes Gebietsschema in Zeile %2.</translation>
    </message>
    <message>
        <source>Unable to import &apos;%1&apos; : Unrecognized currency on line %2.</source>
        <translation>&apos;%1&apos; kann nicht importiert werden: Unbekannte Währung in Zeile %2.</translation>
    </message>
    <message>
        <source>%1 is too large to be read: a deal file holds at most %2 MiB.</source>
        <translation>%1 ist zu groß zum Lesen: Eine Datendatei umfasst höchstens %2 MiB.</translation>
    </message>
</context>
<context>
    <name>LoanAnalysisDialog</name>
    <message>
        <source>best of the five</source>
        <translation>das beste der fünf</translation>
    </message>
    <message>
        <source>Loan Analysis</source>
        <translation>Darlehensanalyse</translation>
    </message>
    <message>
        <source>Best offer</source>
        <translation>Bestes Angebot</translation>
    </message>
    <message>
        <source>Loan of the schedule and the payment chart</source>
        <translation>Darlehen des Tilgungsplans und des Ratendiagramms</translation>
    </message>
    <message>
        <source>&amp;Loan:</source>
        <translation>&amp;Darlehen:</translation>
    </message>
    <message>
        <source>Views of the analysis</source>
        <translation>Ansichten der Analyse</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ucken...</translation>
    </message>
    <message>
        <source>Save P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Comparison as &amp;CSV...</source>
        <translation>Vergleich als &amp;CSV...</translation>
    </message>
    <message>
        <source>Schedule as C&amp;SV...</source>
        <translation>Tilgungsplan als CS&amp;V...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Comparison of the five loans</source>
        <translation>Vergleich der fünf Darlehen</translation>
    </message>
    <message>
        <source>Co&amp;mparison</source>
        <translation>Ver&amp;gleich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Schedule by month or by year</source>
        <translation>Tilgungsplan nach Monaten oder nach Jahren</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message>
        <source>Amortization schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>&amp;Schedule</source>
        <translation>&amp;Tilgungsplan</translation>
    </message>
    <message>
        <source>Balance over time</source>
        <translation>Restschuld im Zeitverlauf</translation>
    </message>
    <message>
        <source>Chart of the balance of each loan over the years</source>
        <translation>Diagramm der Restschuld jedes Darlehens über die Jahre</translation>
    </message>
    <message>
        <source>Chart of the chosen loan&apos;s principal and interest per year</source>
        <translation>Diagramm von Zins und Tilgung des gewählten Darlehens je Jahr</translation>
    </message>
    <message>
        <source>C&amp;harts</source>
        <translation>D&amp;iagramme</translation>
    </message>
    <message>
        <source>Loan %1</source>
        <translation>Darlehen %1</translation>
    </message>
    <message>
        <source>Loan %1: %2</source>
        <translation>Darlehen %1: %2</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>%1: principal and interest per year</source>
        <translation>%1: Zins und Tilgung je Jahr</translation>
    </message>
    <message>
        <source>Print Loan Analysis</source>
        <translation>Darlehensanalyse drucken</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save Loan Analysis as PDF</source>
        <translation>Darlehensanalyse als PDF speichern</translation>
    </message>
    <message>
        <source>Save Comparison as CSV</source>
        <translation>Vergleich als CSV speichern</translation>
    </message>
    <message>
        <source>Save Schedule as CSV</source>
        <translation>Tilgungsplan als CSV speichern</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>least interest: %1 (%2 in all)</source>
        <translation>geringste Zinsen: %1 (%2 insgesamt)</translation>
    </message>
    <message>
        <source>Loan Analysis: %1</source>
        <translation>Darlehensanalyse: %1</translation>
    </message>
    <message>
        <source>Printed on %1</source>
        <translation>Gedruckt am %1</translation>
    </message>
    <message>
        <source>The schedule has %1 monthly payments and is printed per year. Save the schedule as CSV for every month.</source>
        <translation>Der Tilgungsplan hat %1 Monatsraten und wird je Jahr gedruckt. Speichern Sie den Tilgungsplan als CSV, um jeden Monat zu sehen.</translation>
    </message>
    <message>
        <source>Projection as CS&amp;V...</source>
        <translation>Projektion als C&amp;SV...</translation>
    </message>
    <message>
        <source>Best offer: no offer is compared. Check &quot;Compare&quot; above an offer on the Projection page.</source>
        <translation>Bestes Angebot: Kein Angebot wird verglichen. Haken Sie auf der Seite „Projektion“ über einem Angebot „Vergleichen“ an.</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>Left out of the comparison: %1.</source>
        <translation>Aus dem Vergleich ausgelassen: %1.</translation>
    </message>
    <message>
        <source>Save Projection as CSV</source>
        <translation>Projektion als CSV speichern</translation>
    </message>
    <message>
        <source>What each offer earns over the holding period</source>
        <translation>Was jedes Angebot über die Haltedauer einbringt</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>An offer left out is greyed, marked best nowhere and not charted.</source>
        <translation>Ein ausgelassenes Angebot ist ausgegraut, wird nirgends als bestes markiert und erscheint in keinem Diagramm.</translation>
    </message>
    <message>
        <source>Compare loan %1</source>
        <translation>Darlehen %1 vergleichen</translation>
    </message>
    <message>
        <source>The chosen loan&apos;s projection year by year</source>
        <translation>Die Projektion des gewählten Darlehens Jahr für Jahr</translation>
    </message>
    <message>
        <source>Equity by year</source>
        <translation>Eigenkapital je Jahr</translation>
    </message>
    <message>
        <source>Chart of the equity of each compared offer by year</source>
        <translation>Diagramm des Eigenkapitals jedes verglichenen Angebots je Jahr</translation>
    </message>
    <message>
        <source>Pro&amp;jection</source>
        <translation>Pro&amp;jektion</translation>
    </message>
    <message>
        <source>%1, year by year</source>
        <translation>%1, Jahr für Jahr</translation>
    </message>
    <message>
        <source>%1, year by year: %2</source>
        <translation>%1, Jahr für Jahr: %2</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Eigenkapital</translation>
    </message>
    <message>
        <source>Sc&amp;enarios as CSV...</source>
        <translation>S&amp;zenarien als CSV...</translation>
    </message>
    <message>
        <source>Sensitivit&amp;y as CSV...</source>
        <translation>Sensitivität a&amp;ls CSV...</translation>
    </message>
    <message>
        <source>Save Scenarios as CSV</source>
        <translation>Szenarien als CSV speichern</translation>
    </message>
    <message>
        <source>Save Sensitivity as CSV</source>
        <translation>Sensitivität als CSV speichern</translation>
    </message>
    <message>
        <source>The base case is the Projection page&apos;s assumption; edit it there.</source>
        <translation>Der Basisfall ist die Annahme der Seite „Projektion“; ändern Sie sie dort.</translation>
    </message>
    <message>
        <source>%1, bear market</source>
        <translation>%1, ungünstiger Markt</translation>
    </message>
    <message>
        <source>%1, bull market</source>
        <translation>%1, günstiger Markt</translation>
    </message>
    <message>
        <source>The table&apos;s first row is the highest price at which each offer still reaches it.</source>
        <translation>Die erste Zeile der Tabelle ist der höchste Kaufpreis, zu dem jedes Angebot sie noch erreicht.</translation>
    </message>
    <message>
        <source>What each offer earns in a bear, the base and a bull market</source>
        <translation>Was jedes Angebot im ungünstigen Markt, im Basisfall und im günstigen Markt einbringt</translation>
    </message>
    <message>
        <source>IRR by offer and market</source>
        <translation>IRR nach Angebot und Markt</translation>
    </message>
    <message>
        <source>Chart of the IRR of each compared offer in a bear, the base and a bull market</source>
        <translation>Diagramm des IRR jedes verglichenen Angebots im ungünstigen Markt, im Basisfall und im günstigen Markt</translation>
    </message>
    <message>
        <source>Sce&amp;narios</source>
        <translation>Sze&amp;narien</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Not charted, without an IRR: %1.</source>
        <translation>Nicht im Diagramm, ohne IRR: %1.</translation>
    </message>
    <message>
        <source>IRR</source>
        <translation>Interner Zinsfuß (IRR)</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>The loan&apos;s interest rate, from 2 points below to 2 points above in half points; a rate below 0 % is not tried.</source>
        <translation>Der Zinssatz des Darlehens, von 2 Prozentpunkten darunter bis 2 Prozentpunkte darüber in Schritten von 0,5 Prozentpunkten; ein Zinssatz unter 0 % wird nicht berechnet.</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Monatsmiete</translation>
    </message>
    <message>
        <source>The monthly rent, from 20 % below to 20 % above in steps of 5 %.</source>
        <translation>Die Monatsmiete, von 20 % darunter bis 20 % darüber in Schritten von 5 %.</translation>
    </message>
    <message>
        <source>Vacancy</source>
        <translation>Leerstand</translation>
    </message>
    <message>
        <source>The vacancy, from 0 % to 20 % in steps of 2.5 points.</source>
        <translation>Der Leerstand, von 0 % bis 20 % in Schritten von 2,5 Prozentpunkten.</translation>
    </message>
    <message>
        <source>Purchase price</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>The purchase price, from 20 % below to 20 % above in steps of 5 %, the down payment kept as an amount.</source>
        <translation>Der Kaufpreis, von 20 % darunter bis 20 % darüber in Schritten von 5 %, die Anzahlung als Betrag beibehalten.</translation>
    </message>
    <message>
        <source>IRR of the chosen loan by appreciation and holding period</source>
        <translation>IRR des gewählten Darlehens nach Wertsteigerung und Haltedauer</translation>
    </message>
    <message>
        <source>IRR by %1</source>
        <translation>IRR nach %1</translation>
    </message>
    <message>
        <source>The IRR at the hold with one figure changed, the others as they are:</source>
        <translation>Der IRR am Ende der Haltedauer, wenn sich eine Zahl ändert und die anderen bleiben:</translation>
    </message>
    <message>
        <source>Sensi&amp;tivity</source>
        <translation>S&amp;ensitivität</translation>
    </message>
    <message>
        <source>%1: IRR by appreciation (rows) and holding period in years (columns)</source>
        <translation>%1: IRR nach Wertsteigerung (Zeilen) und Haltedauer in Jahren (Spalten)</translation>
    </message>
    <message>
        <source>Appreciation</source>
        <translation>Wertsteigerung</translation>
    </message>
    <message>
        <source>Colours: %1 from red, the lowest IRR (%2), through yellow, the middle one (%3), to green, the highest (%4).</source>
        <translation>Farben: %1 von Rot, dem niedrigsten IRR (%2), über Gelb, den mittleren (%3), bis Grün, den höchsten (%4).</translation>
    </message>
    <message>
        <source>as it is now</source>
        <translation>wie jetzt</translation>
    </message>
    <message>
        <source>Scenarios</source>
        <translation>Szenarien</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensitivität</translation>
    </message>
    <message>
        <source>Colours by rank: red, the lowest IRR; yellow, the middle one; green, the highest; grey, no IRR. Bold: the current appreciation and holding period.</source>
        <translation>Farben nach Rang: Rot, der niedrigste IRR; Gelb, der mittlere; Grün, der höchste; Grau, kein IRR. Fett: die aktuelle Wertsteigerung und Haltedauer.</translation>
    </message>
    <message>
        <source>%1 Grey: no IRR; the cell&apos;s tooltip says why. Bold: the current appreciation and holding period.</source>
        <translation>%1 Grau: kein IRR; der Tooltip der Zelle nennt den Grund. Fett: die aktuelle Wertsteigerung und Haltedauer.</translation>
    </message>
    <message>
        <source>The search stops at ten times the purchase price; a higher price would reach the target IRR too.</source>
        <translation>Die Suche endet beim Zehnfachen des Kaufpreises; ein höherer Preis würde die Zielrendite ebenfalls erreichen.</translation>
    </message>
    <message>
        <source>Best offer by IRR: none stands out (no compared offer has an IRR, or all earn alike)</source>
        <translation>Bestes Angebot nach IRR: Keines sticht hervor (kein verglichenes Angebot hat einen IRR, oder alle bringen gleich viel ein)</translation>
    </message>
    <message>
        <source>Best offer by IRR over 1 year: %1 (IRR %2, year-1 cash flow %3)</source>
        <translation>Bestes Angebot nach IRR über 1 Jahr: %1 (IRR %2, Cashflow im 1. Jahr %3)</translation>
    </message>
    <message>
        <source>Best offer by IRR over %1 years: %2 (IRR %3, year-1 cash flow %4)</source>
        <translation>Bestes Angebot nach IRR über %1 Jahre: %2 (IRR %3, Cashflow im 1. Jahr %4)</translation>
    </message>
    <message>
        <source>Loan C&amp;ost</source>
        <translation>Darlehens&amp;kosten</translation>
    </message>
    <message>
        <source>Lo&amp;an cost as CSV...</source>
        <translation>Da&amp;rlehenskosten als CSV...</translation>
    </message>
    <message>
        <source>Save Loan Cost as CSV</source>
        <translation>Darlehenskosten als CSV speichern</translation>
    </message>
    <message>
        <source>After 1 year (the hold)</source>
        <translation>Nach 1 Jahr (Ende der Haltedauer)</translation>
    </message>
    <message>
        <source>After %1 years (the hold)</source>
        <translation>Nach %1 Jahren (Ende der Haltedauer)</translation>
    </message>
    <message>
        <source>After 1 year</source>
        <translation>Nach 1 Jahr</translation>
    </message>
    <message>
        <source>After %1 years</source>
        <translation>Nach %1 Jahren</translation>
    </message>
    <message>
        <source>Never within the shorter term</source>
        <translation>Nie innerhalb der kürzeren Laufzeit</translation>
    </message>
    <message>
        <source>Month %1 (year %2)</source>
        <translation>Monat %1 (%2. Jahr)</translation>
    </message>
    <message>
        <source>What each compared offer has cost if the loan is repaid after a month, because you sell or refinance: the down payment, the points and lender fees, every payment with PMI, and the balance then paid off. Points pay off only if you keep the loan long enough.</source>
        <translation>Was jedes verglichene Angebot bis zu einem bestimmten Monat gekostet hat, wenn das Darlehen dann abgelöst wird, weil Sie verkaufen oder umschulden: die Anzahlung, das Disagio und die Bearbeitungsgebühren, jede Rate mit Hypothekenversicherung und die dann abgelöste Restschuld. Ein Disagio rechnet sich nur, wenn Sie das Darlehen lange genug behalten.</translation>
    </message>
    <message>
        <source>Cost if repaid</source>
        <translation>Kosten bei Ablösung</translation>
    </message>
    <message>
        <source>Chart of what each compared offer has cost if repaid after each month</source>
        <translation>Diagramm dessen, was jedes verglichene Angebot bei Ablösung nach jedem Monat gekostet hat</translation>
    </message>
    <message>
        <source>The cheapest offer if you leave after some years</source>
        <translation>Das günstigste Angebot bei Ablösung nach einigen Jahren</translation>
    </message>
    <message>
        <source>When higher points and fees pay off</source>
        <translation>Ab wann sich mehr Disagio und Bearbeitungsgebühren rechnen</translation>
    </message>
    <message>
        <source>Cheapest if you leave after …</source>
        <translation>Günstigstes Angebot bei Ablösung nach …</translation>
    </message>
    <message>
        <source>What each offer has cost if the loan is repaid after %1 months: the down payment, the points and lender fees, every payment with PMI, and the balance then paid off. The cheapest compared offer is marked.</source>
        <translation>Was jedes Angebot gekostet hat, wenn das Darlehen nach %1 Monaten abgelöst wird: die Anzahlung, das Disagio und die Bearbeitungsgebühren, jede Rate mit Hypothekenversicherung und die dann abgelöste Restschuld. Das günstigste verglichene Angebot ist markiert.</translation>
    </message>
    <message>
        <source>More points and fees</source>
        <translation>Mehr Disagio und Bearbeitungsgebühren</translation>
    </message>
    <message>
        <source>Against</source>
        <translation>Gegenüber</translation>
    </message>
    <message>
        <source>Pays off from</source>
        <translation>Rechnet sich ab</translation>
    </message>
    <message>
        <source>The first month from which the offer with the higher points and fees has cost no more than the other if repaid, to the end of the shorter term.</source>
        <translation>Der erste Monat, ab dem das Angebot, das an Disagio und Bearbeitungsgebühren mehr verlangt, bei Ablösung nicht mehr gekostet hat als das andere, bis zum Ende der kürzeren Laufzeit.</translation>
    </message>
    <message>
        <source>No two compared offers differ in points and fees.</source>
        <translation>Keine zwei verglichenen Angebote unterscheiden sich in Disagio und Bearbeitungsgebühren.</translation>
    </message>
    <message>
        <source>Cheapest offer changes</source>
        <translation>Wechsel des günstigsten Angebots</translation>
    </message>
    <message>
        <source>Loan Cost</source>
        <translation>Darlehenskosten</translation>
    </message>
    <message>
        <source>%1 of loan %2</source>
        <translation>%1 von Darlehen %2</translation>
    </message>
    <message>
        <source>Cost if repaid, more than the cheapest offer</source>
        <translation>Kosten bei Ablösung, Mehrkosten gegenüber dem günstigsten Angebot</translation>
    </message>
    <message>
        <source>Chart of how much more than the cheapest offer each compared offer has cost if repaid after each month</source>
        <translation>Diagramm der Mehrkosten jedes verglichenen Angebots gegenüber dem günstigsten bei Ablösung nach jedem Monat</translation>
    </message>
    <message>
        <source>More than the cheapest</source>
        <translation>Mehr als das günstigste Angebot</translation>
    </message>
    <message>
        <source>The taxes of an investor in the United States, simplified: the building is depreciated over 27.5 years, a loss saves tax at the income tax rate (other income absorbs it), and the sale taxes the depreciation taken at the recapture rate and the rest of the gain at the capital gains rate.</source>
        <translation>Die Besteuerung eines Anlegers nach US-Steuerrecht, vereinfacht: Das Gebäude wird über 27,5 Jahre abgeschrieben, ein Verlust spart Steuern zum Einkommensteuersatz (er wird mit den übrigen Einkünften verrechnet), und beim Verkauf wird die in Anspruch genommene AfA zum Steuersatz der Nachversteuerung versteuert, der übrige Veräußerungsgewinn zum Steuersatz für Veräußerungsgewinne.</translation>
    </message>
    <message>
        <source>What each offer returns after tax</source>
        <translation>Was jedes Angebot nach Steuern einbringt</translation>
    </message>
    <message>
        <source>The chosen loan&apos;s taxes year by year</source>
        <translation>Die Steuern des gewählten Darlehens Jahr für Jahr</translation>
    </message>
    <message>
        <source>IRR before Tax</source>
        <translation>IRR vor Steuern</translation>
    </message>
    <message>
        <source>%1, taxes year by year</source>
        <translation>%1, Steuern Jahr für Jahr</translation>
    </message>
    <message>
        <source>%1, taxes year by year: %2</source>
        <translation>%1, Steuern Jahr für Jahr: %2</translation>
    </message>
    <message>
        <source>After Tax</source>
        <translation>Nach Steuern</translation>
    </message>
    <message>
        <source>Afte&amp;r Tax</source>
        <translation>Nac&amp;h Steuern</translation>
    </message>
    <message>
        <source>After ta&amp;x as CSV...</source>
        <translation>Nach Steuern als CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save After Tax as CSV</source>
        <translation>Nach Steuern als CSV speichern</translation>
    </message>
    <message>
        <source>Refinance within the hold</source>
        <translation>Umschuldung während der Haltedauer</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Zantoria</source>
        <translation>Zantoria</translation>
    </message>
    <message>
        <source>Property information</source>
        <translation>Angaben zur Immobilie</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>&amp;Purchase price:</source>
        <translation>&amp;Kaufpreis:</translation>
    </message>
    <message>
        <source>&amp;Monthly rental income:</source>
        <translation>&amp;Monatliche Mieteinnahmen:</translation>
    </message>
    <message>
        <source>Monthly &amp;escrow:</source>
        <translation>Steue&amp;rn und Versicherung je Monat:</translation>
    </message>
    <message>
        <source>&amp;Other monthly fees:</source>
        <translation>&amp;Sonstige monatliche Kosten:</translation>
    </message>
    <message>
        <source>&amp;Safety margin (percent):</source>
        <translation>Sicherheits&amp;abschlag (Prozent):</translation>
    </message>
    <message>
        <source>Loan information</source>
        <translation>Angaben zum Darlehen</translation>
    </message>
    <message>
        <source>&amp;Lender:</source>
        <translation>Kredit&amp;geber:</translation>
    </message>
    <message>
        <source>Do&amp;wn payment:</source>
        <translation>A&amp;nzahlung:</translation>
    </message>
    <message>
        <source>Interest &amp;rate (percent):</source>
        <translation>&amp;Zinssatz (Prozent):</translation>
    </message>
    <message>
        <source>Term (&amp;years):</source>
        <translation>&amp;Laufzeit (Jahre):</translation>
    </message>
    <message>
        <source>PM&amp;I:</source>
        <translation>Hypotheken&amp;versicherung (PMI):</translation>
    </message>
    <message>
        <source>&amp;&lt;&lt; Previous</source>
        <translation>&amp;&lt;&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &amp;&gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Create Report</source>
        <translation>Bericht &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Import Data...</source>
        <translation>Daten &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Data...</source>
        <translation>Daten e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt verwendete Dateien</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Rechner</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About Zantoria</source>
        <translation>Ü&amp;ber Zantoria</translation>
    </message>
    <message>
        <source>What the property costs, in your currency</source>
        <translation>Was die Immobilie kostet, in Ihrer Währung</translation>
    </message>
    <message>
        <source>The price you would pay for the property. Each loan borrows this price less its down payment.</source>
        <translation>Der Preis, den Sie für die Immobilie zahlen würden. Jedes Darlehen finanziert diesen Preis abzüglich seiner Anzahlung.</translation>
    </message>
    <message>
        <source>The rent the property brings in each month, in your currency</source>
        <translation>Die Miete, die die Immobilie monatlich einbringt, in Ihrer Währung</translation>
    </message>
    <message>
        <source>The monthly rent. The cash flow is this rent less the total monthly payment.</source>
        <translation>Die monatliche Miete. Der Cashflow ist diese Miete abzüglich der monatlichen Gesamtrate.</translation>
    </message>
    <message>
        <source>What you pay into escrow each month, in your currency</source>
        <translation>Was Sie monatlich für Steuern und Versicherung (Escrow) zahlen, in Ihrer Währung</translation>
    </message>
    <message>
        <source>The monthly escrow payment for property taxes and insurance. It is part of every loan&apos;s total monthly payment.</source>
        <translation>Die monatliche Zahlung für Grundsteuer und Versicherungen (in den USA über das Treuhandkonto des Kreditgebers, „Escrow“). Sie ist Teil der monatlichen Gesamtrate jedes Darlehens.</translation>
    </message>
    <message>
        <source>Other costs each month, in your currency</source>
        <translation>Sonstige monatliche Kosten, in Ihrer Währung</translation>
    </message>
    <message>
        <source>The share of the rent held back, in percent</source>
        <translation>Der zurückgehaltene Anteil der Miete, in Prozent</translation>
    </message>
    <message>
        <source>The percentage of the rent held back for vacancies and repairs. The safety cash flow is the cash flow less this share of the rent.</source>
        <translation>Der Prozentsatz der Miete, der für Leerstand und Reparaturen zurückgehalten wird. Der Cashflow nach Sicherheitsabschlag ist der Cashflow abzüglich dieses Anteils der Miete.</translation>
    </message>
    <message>
        <source>What you pay up front for this loan, in your currency</source>
        <translation>Was Sie bei diesem Darlehen aus Eigenkapital anzahlen, in Ihrer Währung</translation>
    </message>
    <message>
        <source>The down payment of the loan shown. The loan amount is the purchase price less this down payment.</source>
        <translation>Die Anzahlung (Eigenkapital) des angezeigten Darlehens: der Teil des Kaufpreises, den Sie selbst zahlen. Der Darlehensbetrag ist der Kaufpreis abzüglich dieser Anzahlung.</translation>
    </message>
    <message>
        <source>The loan&apos;s yearly interest rate, in percent</source>
        <translation>Der jährliche Zinssatz des Darlehens, in Prozent</translation>
    </message>
    <message>
        <source>The annual interest rate of the loan shown, in percent.</source>
        <translation>Der jährliche Zinssatz des angezeigten Darlehens, in Prozent.</translation>
    </message>
    <message>
        <source>How long the loan runs, in whole years</source>
        <translation>Wie lange das Darlehen läuft, in ganzen Jahren</translation>
    </message>
    <message>
        <source>The term of the loan shown, in years. A loan without a term has no monthly figures in the report.</source>
        <translation>Die Laufzeit des angezeigten Darlehens, in Jahren. Ein Darlehen ohne Laufzeit hat im Bericht keine monatlichen Werte.</translation>
    </message>
    <message>
        <source>The loan&apos;s mortgage insurance each month, in your currency</source>
        <translation>Die monatliche Hypothekenversicherung des Darlehens, in Ihrer Währung</translation>
    </message>
    <message>
        <source>The monthly private mortgage insurance (PMI) of the loan shown. It is part of the loan&apos;s total monthly payment.</source>
        <translation>Die monatliche private Hypothekenversicherung (PMI) des angezeigten Darlehens. Sie ist Teil der monatlichen Gesamtrate des Darlehens.</translation>
    </message>
    <message>
        <source>Loan information (%1 of %2)</source>
        <translation>Angaben zum Darlehen (%1 von %2)</translation>
    </message>
    <message>
        <source>Import Deal</source>
        <translation>Daten importieren</translation>
    </message>
    <message>
        <source>ZANT Files (*.zant)</source>
        <translation>ZANT-Dateien (*.zant)</translation>
    </message>
    <message>
        <source>%1 is a folder, not a deal file.</source>
        <translation>%1 ist ein Ordner, keine Datendatei.</translation>
    </message>
    <message>
        <source>Zantoria opens one deal file at a time. These were not opened:
%1</source>
        <translation>Zantoria öffnet jeweils nur eine Datendatei. Diese wurden nicht geöffnet:
%1</translation>
    </message>
    <message>
        <source>Export Deal</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;About ZANT...</source>
        <translation>Ü&amp;ber ZANT...</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>%1 is a pipe, socket or device, not a deal file.</source>
        <translation>%1 ist eine Pipe, ein Socket oder ein Gerät, keine Datendatei.</translation>
    </message>
    <message>
        <source>Loan &amp;Analysis...</source>
        <translation>Darlehens&amp;analyse...</translation>
    </message>
    <message>
        <source>Some entries of &apos;%1&apos; were not read:

%2</source>
        <translation>Einige Einträge von „%1“ wurden nicht gelesen:

%2</translation>
    </message>
    <message>
        <source>The report was saved as %1, but no web browser could be started to show it. Open that file in your browser.</source>
        <translation>Der Bericht wurde als %1 gespeichert, aber es konnte kein Webbrowser gestartet werden, um ihn anzuzeigen. Öffnen Sie diese Datei in Ihrem Browser.</translation>
    </message>
    <message>
        <source>Other monthly costs of the property, such as association fees or upkeep. They lower the cash flow but are no part of a loan&apos;s payment.</source>
        <translation>Sonstige monatliche Kosten der Immobilie, etwa Hausgeld oder Instandhaltung. Sie mindern den Cashflow, gehören aber nicht zur Rate eines Darlehens.</translation>
    </message>
</context>
<context>
    <name>Projection</name>
    <message>
        <source>Holding period (years)</source>
        <translation>Haltedauer (Jahre)</translation>
    </message>
    <message>
        <source>How many years the property is held before it is sold (1 to 50).</source>
        <translation>Wie viele Jahre die Immobilie gehalten wird, bevor sie verkauft wird (1 bis 50).</translation>
    </message>
    <message>
        <source>Appreciation</source>
        <translation>Wertsteigerung</translation>
    </message>
    <message>
        <source>How much the property&apos;s value grows each year, from the price paid.</source>
        <translation>Um wie viel der Wert der Immobilie jedes Jahr steigt, ausgehend vom Kaufpreis.</translation>
    </message>
    <message>
        <source>Rent growth</source>
        <translation>Mietsteigerung</translation>
    </message>
    <message>
        <source>How much the rent grows each year, from the second year on.</source>
        <translation>Um wie viel die Miete jedes Jahr steigt, ab dem zweiten Jahr.</translation>
    </message>
    <message>
        <source>Expense growth</source>
        <translation>Kostensteigerung</translation>
    </message>
    <message>
        <source>How much escrow and other fees grow each year, from the second year on.</source>
        <translation>Um wie viel Steuern und Versicherung sowie sonstige Kosten jedes Jahr steigen, ab dem zweiten Jahr.</translation>
    </message>
    <message>
        <source>Vacancy</source>
        <translation>Leerstand</translation>
    </message>
    <message>
        <source>The share of the year&apos;s rent lost to empty months and unpaid rent.</source>
        <translation>Der Anteil der Jahresmiete, der durch Leerstandsmonate und ausbleibende Mietzahlungen verloren geht.</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Instandhaltung</translation>
    </message>
    <message>
        <source>Repairs and upkeep, as a share of the year&apos;s rent.</source>
        <translation>Reparaturen und Wartung, als Anteil der Jahresmiete.</translation>
    </message>
    <message>
        <source>Capital reserve</source>
        <translation>Erneuerungsrücklage</translation>
    </message>
    <message>
        <source>Money put aside for large replacements (roof, heating), as a share of the year&apos;s rent.</source>
        <translation>Geld für große Erneuerungen (Dach, Heizung), als Anteil der Jahresmiete zurückgelegt.</translation>
    </message>
    <message>
        <source>Management</source>
        <translation>Verwaltungskosten</translation>
    </message>
    <message>
        <source>A property manager&apos;s fee, as a share of the year&apos;s rent.</source>
        <translation>Die Vergütung der Hausverwaltung, als Anteil der Jahresmiete.</translation>
    </message>
    <message>
        <source>Closing costs</source>
        <translation>Kaufnebenkosten</translation>
    </message>
    <message>
        <source>The costs of buying, as a share of the price, paid in cash with the down payment.</source>
        <translation>Die Kosten des Kaufs, als Anteil des Kaufpreises, mit der Anzahlung aus Eigenkapital bezahlt.</translation>
    </message>
    <message>
        <source>Selling costs</source>
        <translation>Verkaufskosten</translation>
    </message>
    <message>
        <source>The costs of selling, as a share of the sale price.</source>
        <translation>Die Kosten des Verkaufs, als Anteil des Verkaufspreises.</translation>
    </message>
    <message>
        <source>Discount rate</source>
        <translation>Kalkulationszins</translation>
    </message>
    <message>
        <source>The yearly return the cash could earn elsewhere; the net present value discounts each year&apos;s flow at it.</source>
        <translation>Die jährliche Rendite, die das Geld anderswo erzielen könnte; der Kapitalwert zinst den Zahlungsstrom jedes Jahres damit ab.</translation>
    </message>
    <message>
        <source>PMI ends at loan-to-value</source>
        <translation>PMI endet bei Beleihungsauslauf</translation>
    </message>
    <message>
        <source>PMI is paid while the balance owed is above this share of the price; 0 keeps it for the whole loan.</source>
        <translation>Die Hypothekenversicherung (PMI) wird gezahlt, solange die Restschuld über diesem Anteil des Kaufpreises liegt; bei 0 läuft sie über die ganze Laufzeit.</translation>
    </message>
    <message>
        <source>Target IRR</source>
        <translation>Zielrendite (IRR)</translation>
    </message>
    <message>
        <source>The return on the cash invested that the purchase must reach; the price to offer is the highest that still reaches it.</source>
        <translation>Die Rendite auf das eingesetzte Kapital, die der Kauf erreichen muss; der höchste Kaufpreis für die Zielrendite ist der Preis, bei dem sie gerade noch erreicht wird.</translation>
    </message>
    <message>
        <source>Extra payment</source>
        <translation>Sondertilgung</translation>
    </message>
    <message>
        <source>Paid each month on top of the payment, straight into the principal: the loan ends sooner and costs less interest.</source>
        <translation>Jeden Monat zusätzlich zur Rate gezahlt, direkt in die Tilgung: Das Darlehen ist früher getilgt und kostet weniger Zinsen.</translation>
    </message>
    <message>
        <source>No cash is invested: there is no return to measure.</source>
        <translation>Es wird kein Kapital eingesetzt: Es gibt keine Rendite, die sich messen ließe.</translation>
    </message>
    <message>
        <source>The discount rate must be more than -100 %.</source>
        <translation>Der Kalkulationszins muss über -100 % liegen.</translation>
    </message>
    <message>
        <source>The holding period must be 1 to 50 years.</source>
        <translation>Die Haltedauer muss 1 bis 50 Jahre betragen.</translation>
    </message>
    <message>
        <source>The appreciation must be more than -100 %.</source>
        <translation>Die Wertsteigerung muss über -100 % liegen.</translation>
    </message>
    <message>
        <source>The rent growth must be more than -100 %.</source>
        <translation>Die Mietsteigerung muss über -100 % liegen.</translation>
    </message>
    <message>
        <source>The expense growth must be more than -100 %.</source>
        <translation>Die Kostensteigerung muss über -100 % liegen.</translation>
    </message>
    <message>
        <source>The vacancy must be 0 % to 100 %.</source>
        <translation>Der Leerstand muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The maintenance must be 0 % to 100 %.</source>
        <translation>Die Instandhaltung muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The capital reserve must be 0 % to 100 %.</source>
        <translation>Die Erneuerungsrücklage muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The management must be 0 % to 100 %.</source>
        <translation>Die Verwaltungskosten müssen zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The closing costs must be 0 % to 100 %.</source>
        <translation>Die Kaufnebenkosten müssen zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The selling costs must be 0 % to 100 %.</source>
        <translation>Die Verkaufskosten müssen zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The loan-to-value at which mortgage insurance ends must be 0 % to 100 %.</source>
        <translation>Der Beleihungsauslauf, bei dem die Hypothekenversicherung endet, muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The target IRR must be more than -100 %.</source>
        <translation>Die Zielrendite muss über -100 % liegen.</translation>
    </message>
    <message>
        <source>The bear case&apos;s appreciation must be more than -100 %.</source>
        <translation>Im ungünstigen Markt muss die Wertsteigerung über -100 % liegen.</translation>
    </message>
    <message>
        <source>The bear case&apos;s rent growth must be more than -100 %.</source>
        <translation>Im ungünstigen Markt muss die Mietsteigerung über -100 % liegen.</translation>
    </message>
    <message>
        <source>The bear case&apos;s expense growth must be more than -100 %.</source>
        <translation>Im ungünstigen Markt muss die Kostensteigerung über -100 % liegen.</translation>
    </message>
    <message>
        <source>The bear case&apos;s vacancy must be 0 % to 100 %.</source>
        <translation>Im ungünstigen Markt muss der Leerstand zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The bull case&apos;s appreciation must be more than -100 %.</source>
        <translation>Im günstigen Markt muss die Wertsteigerung über -100 % liegen.</translation>
    </message>
    <message>
        <source>The bull case&apos;s rent growth must be more than -100 %.</source>
        <translation>Im günstigen Markt muss die Mietsteigerung über -100 % liegen.</translation>
    </message>
    <message>
        <source>The bull case&apos;s expense growth must be more than -100 %.</source>
        <translation>Im günstigen Markt muss die Kostensteigerung über -100 % liegen.</translation>
    </message>
    <message>
        <source>The bull case&apos;s vacancy must be 0 % to 100 %.</source>
        <translation>Im günstigen Markt muss der Leerstand zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The extra payment must be 0 or more.</source>
        <translation>Die Sondertilgung muss 0 oder mehr betragen.</translation>
    </message>
    <message>
        <source>No rate of return makes the cash flows worth 0.</source>
        <translation>Kein Zinssatz bringt den Barwert der Zahlungsströme auf 0.</translation>
    </message>
    <message>
        <source>The cash flows never change sign: there is no rate of return.</source>
        <translation>Die Zahlungsströme wechseln nie das Vorzeichen: Es gibt keinen internen Zinsfuß.</translation>
    </message>
    <message>
        <source>Not computed.</source>
        <translation>Nicht berechnet.</translation>
    </message>
    <message>
        <source>There is no price to search: the down payment is more than ten times the price.</source>
        <translation>Es gibt keinen Preis zu suchen: Die Anzahlung ist mehr als das Zehnfache des Kaufpreises.</translation>
    </message>
    <message>
        <source>It sets how many years the table runs and the year of the sale.</source>
        <translation>Sie bestimmt, wie viele Jahre die Tabelle umfasst und in welchem Jahr verkauft wird.</translation>
    </message>
    <message>
        <source>It enters the property value of every year, and so the equity and the sale proceeds.</source>
        <translation>Sie geht in den Immobilienwert jedes Jahres ein und damit in Eigenkapital und Verkaufserlös.</translation>
    </message>
    <message>
        <source>It enters the rent of every year after the first.</source>
        <translation>Sie geht in die Miete jedes Jahres nach dem ersten ein.</translation>
    </message>
    <message>
        <source>It enters the operating costs of every year after the first.</source>
        <translation>Sie geht in die Bewirtschaftungskosten jedes Jahres nach dem ersten ein.</translation>
    </message>
    <message>
        <source>It enters the vacancy loss, and so the net operating income.</source>
        <translation>Er geht in den Mietausfall ein und damit in den Reinertrag.</translation>
    </message>
    <message>
        <source>It enters the operating costs of every year.</source>
        <translation>Dieser Anteil geht in die Bewirtschaftungskosten jedes Jahres ein.</translation>
    </message>
    <message>
        <source>It enters the cash invested in year 0.</source>
        <translation>Sie gehen in das eingesetzte Kapital im Jahr 0 ein.</translation>
    </message>
    <message>
        <source>It enters the sale proceeds.</source>
        <translation>Sie gehen in den Verkaufserlös ein.</translation>
    </message>
    <message>
        <source>It enters the NPV.</source>
        <translation>Er geht in den Kapitalwert ein.</translation>
    </message>
    <message>
        <source>It decides in which months the PMI is paid.</source>
        <translation>Dieser Wert entscheidet, in welchen Monaten die Hypothekenversicherung gezahlt wird.</translation>
    </message>
    <message>
        <source>It enters the schedule, the debt service, the loan balance and the interest saved.</source>
        <translation>Sie geht in den Tilgungsplan, den Schuldendienst, die Restschuld und die ersparten Zinsen ein.</translation>
    </message>
    <message>
        <source>Cash Invested</source>
        <translation>Eingesetztes Kapital</translation>
    </message>
    <message>
        <source>Year-1 Cash Flow</source>
        <translation>Cashflow im 1. Jahr</translation>
    </message>
    <message>
        <source>The first year&apos;s net operating income less its debt service and mortgage insurance.</source>
        <translation>Der Reinertrag des ersten Jahres abzüglich Schuldendienst und Hypothekenversicherung.</translation>
    </message>
    <message>
        <source>IRR</source>
        <translation>Interner Zinsfuß (IRR)</translation>
    </message>
    <message>
        <source>Internal rate of return: the yearly rate at which the cash invested, the yearly cash flows and the sale proceeds at the end of the holding period are worth 0 today.</source>
        <translation>Interner Zinsfuß: der jährliche Zinssatz, zu dem das eingesetzte Kapital, die jährlichen Cashflows und der Verkaufserlös am Ende der Haltedauer heute zusammen 0 wert sind.</translation>
    </message>
    <message>
        <source>NPV</source>
        <translation>Kapitalwert (NPV)</translation>
    </message>
    <message>
        <source>Net present value: the same flows discounted at the discount rate, year 0 undiscounted.</source>
        <translation>Kapitalwert: dieselben Zahlungen, mit dem Kalkulationszins auf heute abgezinst; das Jahr 0 wird nicht abgezinst.</translation>
    </message>
    <message>
        <source>Equity Multiple</source>
        <translation>Eigenkapitalmultiplikator</translation>
    </message>
    <message>
        <source>Total Profit</source>
        <translation>Gesamtgewinn</translation>
    </message>
    <message>
        <source>The yearly cash flows plus the sale proceeds, less the cash invested.</source>
        <translation>Die jährlichen Cashflows plus der Verkaufserlös, abzüglich des eingesetzten Kapitals.</translation>
    </message>
    <message>
        <source>Annualized Return</source>
        <translation>Jährliche Rendite</translation>
    </message>
    <message>
        <source>Sale Proceeds</source>
        <translation>Verkaufserlös</translation>
    </message>
    <message>
        <source>The property&apos;s value at the end of the holding period, less the selling costs and the loan balance.</source>
        <translation>Der Wert der Immobilie am Ende der Haltedauer, abzüglich der Verkaufskosten und der Restschuld.</translation>
    </message>
    <message>
        <source>Interest Saved</source>
        <translation>Ersparte Zinsen</translation>
    </message>
    <message>
        <source>The interest the extra payments save over the loan&apos;s life, against the same loan without them.</source>
        <translation>Die Zinsen, die die Sondertilgungen über die Laufzeit ersparen, verglichen mit demselben Darlehen ohne sie.</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>The year of the holding period, counted from the purchase.</source>
        <translation>Das Jahr der Haltedauer, gezählt ab dem Kauf.</translation>
    </message>
    <message>
        <source>Rent</source>
        <translation>Miete</translation>
    </message>
    <message>
        <source>The year&apos;s gross scheduled rent: twelve months of rent, grown by the rent growth from the second year on.</source>
        <translation>Die Soll-Jahresmiete: zwölf Monatsmieten, ab dem zweiten Jahr um die Mietsteigerung erhöht.</translation>
    </message>
    <message>
        <source>Vacancy Loss</source>
        <translation>Mietausfall</translation>
    </message>
    <message>
        <source>The rent times the vacancy.</source>
        <translation>Die Miete multipliziert mit dem Leerstand.</translation>
    </message>
    <message>
        <source>Operating Costs</source>
        <translation>Bewirtschaftungskosten</translation>
    </message>
    <message>
        <source>Twelve months of escrow and other fees, grown by the expense growth from the second year on, plus the rent times maintenance, capital reserve and management.</source>
        <translation>Zwölf Monate Steuern und Versicherung sowie sonstige Kosten, ab dem zweiten Jahr um die Kostensteigerung erhöht, plus die Miete multipliziert mit Instandhaltung, Erneuerungsrücklage und Verwaltungskosten.</translation>
    </message>
    <message>
        <source>Net Operating Income</source>
        <translation>Reinertrag (NOI)</translation>
    </message>
    <message>
        <source>The rent less the vacancy loss and the operating costs.</source>
        <translation>Die Miete abzüglich Mietausfall und Bewirtschaftungskosten.</translation>
    </message>
    <message>
        <source>Debt Service</source>
        <translation>Schuldendienst</translation>
    </message>
    <message>
        <source>The payments of the year&apos;s twelve months, extra payments included; 0 after the payoff.</source>
        <translation>Die Raten der zwölf Monate des Jahres, Sondertilgungen eingeschlossen; 0 nach der Volltilgung.</translation>
    </message>
    <message>
        <source>PMI</source>
        <translation>Hypothekenversicherung (PMI)</translation>
    </message>
    <message>
        <source>The monthly PMI for each month of the year in which the balance owed is above the loan-to-value at which PMI ends.</source>
        <translation>Die monatliche Hypothekenversicherung für jeden Monat des Jahres, in dem die Restschuld über dem Beleihungsauslauf liegt, bei dem die Hypothekenversicherung endet.</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Cashflow</translation>
    </message>
    <message>
        <source>The net operating income less the debt service and the PMI.</source>
        <translation>Der Reinertrag abzüglich Schuldendienst und Hypothekenversicherung.</translation>
    </message>
    <message>
        <source>Property Value</source>
        <translation>Immobilienwert</translation>
    </message>
    <message>
        <source>The price, grown by the appreciation each year.</source>
        <translation>Der Kaufpreis, jedes Jahr um die Wertsteigerung erhöht.</translation>
    </message>
    <message>
        <source>Loan Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>What is still owed at the end of the year.</source>
        <translation>Was am Ende des Jahres noch geschuldet wird.</translation>
    </message>
    <message>
        <source>Equity</source>
        <translation>Eigenkapital</translation>
    </message>
    <message>
        <source>The property value less the loan balance.</source>
        <translation>Der Immobilienwert abzüglich der Restschuld.</translation>
    </message>
    <message>
        <source>What a sale at the end of the year leaves: the property value less the selling costs and the loan balance.</source>
        <translation>Was ein Verkauf am Ende des Jahres übrig lässt: der Immobilienwert abzüglich der Verkaufskosten und der Restschuld.</translation>
    </message>
    <message>
        <source>IRR if Sold</source>
        <translation>IRR bei Verkauf</translation>
    </message>
    <message>
        <source>The IRR had the property been sold at the end of this year.</source>
        <translation>Der IRR, wäre die Immobilie am Ende dieses Jahres verkauft worden.</translation>
    </message>
    <message>
        <source>NPV if Sold</source>
        <translation>Kapitalwert bei Verkauf</translation>
    </message>
    <message>
        <source>The NPV had the property been sold at the end of this year.</source>
        <translation>Der Kapitalwert, wäre die Immobilie am Ende dieses Jahres verkauft worden.</translation>
    </message>
    <message>
        <source>Equity Multiple if Sold</source>
        <translation>Eigenkapitalmultiplikator bei Verkauf</translation>
    </message>
    <message>
        <source>The equity multiple had the property been sold at the end of this year.</source>
        <translation>Der Eigenkapitalmultiplikator, wäre die Immobilie am Ende dieses Jahres verkauft worden.</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>Compared</source>
        <translation>Verglichen</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>An interest rate below 0 % is not tried.</source>
        <translation>Ein Zinssatz unter 0 % wird nicht berechnet.</translation>
    </message>
    <message>
        <source>It sets the price to offer of each loan.</source>
        <translation>Sie bestimmt für jedes Darlehen den höchsten Kaufpreis für die Zielrendite.</translation>
    </message>
    <message>
        <source>It replaces the base figure in the bear market&apos;s projection; every other assumption is kept.</source>
        <translation>Dieser Wert ersetzt den des Basisfalls in der Projektion des ungünstigen Markts; jede andere Annahme bleibt.</translation>
    </message>
    <message>
        <source>It replaces the base figure in the bull market&apos;s projection; every other assumption is kept.</source>
        <translation>Dieser Wert ersetzt den des Basisfalls in der Projektion des günstigen Markts; jede andere Annahme bleibt.</translation>
    </message>
    <message>
        <source>Bear</source>
        <translation>Ungünstiger Markt</translation>
    </message>
    <message>
        <source>Bull</source>
        <translation>Günstiger Markt</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Basisfall</translation>
    </message>
    <message>
        <source>A falling market: its appreciation, rent growth, expense growth and vacancy replace the base case&apos;s; every other assumption is kept.</source>
        <translation>Ein fallender Markt: Seine Wertsteigerung, Mietsteigerung, Kostensteigerung und sein Leerstand ersetzen die des Basisfalls; jede andere Annahme bleibt.</translation>
    </message>
    <message>
        <source>A rising market: its appreciation, rent growth, expense growth and vacancy replace the base case&apos;s; every other assumption is kept.</source>
        <translation>Ein steigender Markt: Seine Wertsteigerung, Mietsteigerung, Kostensteigerung und sein Leerstand ersetzen die des Basisfalls; jede andere Annahme bleibt.</translation>
    </message>
    <message>
        <source>The assumptions of the Projection page as they are.</source>
        <translation>Die Annahmen der Seite „Projektion“, unverändert.</translation>
    </message>
    <message>
        <source>Price to Offer</source>
        <translation>Höchster Kaufpreis für die Zielrendite</translation>
    </message>
    <message>
        <source>The highest purchase price at which the IRR at the hold still reaches the target IRR, everything else as typed: the down payment as an amount, the closing costs a share of the new price, the value growing from it, PMI&apos;s end loan-to-value of it. Searched between the down payment and ten times the price, to the cent; none where no price in that range reaches the target (the IRR may rise with the price as well as fall).</source>
        <translation>Der höchste Kaufpreis, zu dem der IRR am Ende der Haltedauer die Zielrendite noch erreicht, alles andere wie eingegeben: die Anzahlung als Betrag, die Kaufnebenkosten als Anteil des neuen Preises, der Wert von ihm aus steigend, der Beleihungsauslauf, bei dem die Hypothekenversicherung endet, auf ihn bezogen. Gesucht zwischen der Anzahlung und dem Zehnfachen des Kaufpreises, auf den Cent genau; keiner, wenn kein Preis in diesem Bereich die Zielrendite erreicht (der IRR kann mit dem Preis steigen wie fallen).</translation>
    </message>
    <message>
        <source>Assumption</source>
        <translation>Annahme</translation>
    </message>
    <message>
        <source>No price from the down payment to ten times the price asked reaches the target IRR.</source>
        <translation>Kein Kaufpreis zwischen der Anzahlung und dem Zehnfachen des geforderten Preises erreicht die Zielrendite.</translation>
    </message>
    <message>
        <source>What the deal pays out (the years that bring cash in, the sale included) divided by what is put into it (the cash invested and the cash that covers a year&apos;s shortfall); never below 0.</source>
        <translation>Was das Objekt ausschüttet (die Jahre, die Geld einbringen, den Verkauf eingeschlossen), geteilt durch das, was hineingesteckt wird (das eingesetzte Kapital und das Geld, das den Fehlbetrag eines Jahres deckt); nie unter 0.</translation>
    </message>
    <message>
        <source>The yearly rate at which the equity multiple builds up over the holding period: the multiple to the power of 1 over the years, less 1.</source>
        <translation>Der jährliche Satz, zu dem der Eigenkapitalmultiplikator über die Haltedauer anwächst: der Multiplikator hoch 1 durch die Zahl der Jahre, minus 1.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Disagio (Points)</translation>
    </message>
    <message>
        <source>What the lender charges at closing in per cent of the loan amount (1 % is one point), usually for a lower rate.</source>
        <translation>Was der Kreditgeber bei Auszahlung in Prozent des Darlehensbetrags berechnet (1 % ist ein Point), meist für einen niedrigeren Zinssatz.</translation>
    </message>
    <message>
        <source>It enters the cash to close, and so the cash invested, the APR and the cost if repaid.</source>
        <translation>Dieser Wert geht in den Kapitalbedarf bei Kauf ein und damit in das eingesetzte Kapital, den effektiven Jahreszins und die Kosten bei Ablösung.</translation>
    </message>
    <message>
        <source>Lender fees</source>
        <translation>Bearbeitungsgebühren</translation>
    </message>
    <message>
        <source>The lender&apos;s own fees paid at closing (origination, underwriting and the like); title, appraisal and escrow deposits belong in the closing costs.</source>
        <translation>Die eigenen Gebühren des Kreditgebers, bei Auszahlung gezahlt (für Bearbeitung, Kreditprüfung und Ähnliches); Titelversicherung, Wertgutachten und die Anfangseinlage für Steuern und Versicherung (Escrow) gehören in die Kaufnebenkosten.</translation>
    </message>
    <message>
        <source>The cash to close, paid in year 0: the down payment, the closing costs, the points and the lender fees.</source>
        <translation>Der Kapitalbedarf bei Kauf, gezahlt im Jahr 0: die Anzahlung, die Kaufnebenkosten, das Disagio und die Bearbeitungsgebühren.</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>Günstigstes Angebot</translation>
    </message>
    <message>
        <source>More points and fees</source>
        <translation>Mehr Disagio und Bearbeitungsgebühren</translation>
    </message>
    <message>
        <source>Against</source>
        <translation>Gegenüber</translation>
    </message>
    <message>
        <source>Break-even month</source>
        <translation>Break-even-Monat</translation>
    </message>
    <message>
        <source>Land share</source>
        <translation>Grundstücksanteil</translation>
    </message>
    <message>
        <source>The part of the price and closing costs that pays for the land, which is not depreciated.</source>
        <translation>Der Anteil von Kaufpreis und Kaufnebenkosten, der auf Grund und Boden entfällt; er wird nicht abgeschrieben.</translation>
    </message>
    <message>
        <source>It sets the depreciable basis, and so the depreciation of every year.</source>
        <translation>Er bestimmt die AfA-Bemessungsgrundlage und damit die AfA jedes Jahres.</translation>
    </message>
    <message>
        <source>Income tax rate</source>
        <translation>Einkommensteuersatz</translation>
    </message>
    <message>
        <source>The investor&apos;s top rate of income tax; a loss saves tax at it, as other income absorbs it.</source>
        <translation>Der persönliche Grenzsteuersatz des Anlegers bei der Einkommensteuer; ein Verlust spart Steuern zu diesem Satz, weil er mit den übrigen Einkünften verrechnet wird.</translation>
    </message>
    <message>
        <source>It enters the income tax of every year, and the tax on a sale at a loss.</source>
        <translation>Er geht in die Einkommensteuer jedes Jahres ein und bei einem Verkauf mit Verlust in die Steuer auf den Veräußerungsgewinn.</translation>
    </message>
    <message>
        <source>Capital gains rate</source>
        <translation>Steuersatz für Veräußerungsgewinne</translation>
    </message>
    <message>
        <source>The tax rate on the gain of the sale beyond the depreciation taken.</source>
        <translation>Der Steuersatz auf den Teil des Veräußerungsgewinns, der über die in Anspruch genommene AfA hinausgeht.</translation>
    </message>
    <message>
        <source>It enters the tax on the sale.</source>
        <translation>Er geht in die Steuer auf den Veräußerungsgewinn ein.</translation>
    </message>
    <message>
        <source>Recapture rate</source>
        <translation>Steuersatz der Nachversteuerung (Recapture)</translation>
    </message>
    <message>
        <source>The tax rate on the part of the gain that the depreciation taken made: the sale takes back part of what depreciation saved.</source>
        <translation>Der Steuersatz auf den Teil des Veräußerungsgewinns, der durch die in Anspruch genommene AfA entstanden ist: Der Verkauf holt einen Teil dessen zurück, was die AfA an Steuern gespart hat.</translation>
    </message>
    <message>
        <source>Refinance after year</source>
        <translation>Umschuldung nach Jahr</translation>
    </message>
    <message>
        <source>The year at whose end every offer&apos;s loan is replaced by a new one; 0 for no refinance.</source>
        <translation>Das Jahr, an dessen Ende das Darlehen jedes Angebots durch ein neues abgelöst wird; 0 für keine Umschuldung.</translation>
    </message>
    <message>
        <source>From the next year on the debt service, balance and sale proceeds are the new loan&apos;s; the cash out is a flow of that year.</source>
        <translation>Ab dem folgenden Jahr sind Schuldendienst, Restschuld und Verkaufserlös die des neuen Darlehens; die Auszahlung aus der Umschuldung ist eine Zahlung des Jahres der Umschuldung.</translation>
    </message>
    <message>
        <source>Refinance loan-to-value</source>
        <translation>Beleihungsauslauf der Umschuldung</translation>
    </message>
    <message>
        <source>The new loan as a share of the property&apos;s value in the year of the refinance.</source>
        <translation>Das neue Darlehen als Anteil am Immobilienwert im Jahr der Umschuldung.</translation>
    </message>
    <message>
        <source>It sets the new loan amount, and so the cash out.</source>
        <translation>Er bestimmt den Darlehensbetrag des neuen Darlehens und damit die Auszahlung aus der Umschuldung.</translation>
    </message>
    <message>
        <source>Refinance rate</source>
        <translation>Zinssatz der Umschuldung</translation>
    </message>
    <message>
        <source>The new loan&apos;s yearly interest rate.</source>
        <translation>Der jährliche Zinssatz des neuen Darlehens.</translation>
    </message>
    <message>
        <source>It sets the new loan&apos;s payments.</source>
        <translation>Dieser Wert bestimmt die Raten des neuen Darlehens.</translation>
    </message>
    <message>
        <source>Refinance term (years)</source>
        <translation>Laufzeit der Umschuldung (Jahre)</translation>
    </message>
    <message>
        <source>The new loan&apos;s term in whole years.</source>
        <translation>Die Laufzeit des neuen Darlehens in ganzen Jahren.</translation>
    </message>
    <message>
        <source>Refinance costs</source>
        <translation>Kosten der Umschuldung</translation>
    </message>
    <message>
        <source>The costs of the new loan as a share of it, paid out of it.</source>
        <translation>Die Kosten des neuen Darlehens als Anteil an seinem Betrag, aus dem Darlehen selbst bezahlt.</translation>
    </message>
    <message>
        <source>They lower the cash out, and are deducted from the income over the new loan&apos;s term.</source>
        <translation>Sie mindern die Auszahlung aus der Umschuldung und werden über die Laufzeit des neuen Darlehens vom steuerlichen Ergebnis abgezogen.</translation>
    </message>
    <message>
        <source>The refinance is left out: %1</source>
        <translation>Die Umschuldung bleibt unberücksichtigt: %1</translation>
    </message>
    <message>
        <source>No refinance is made.</source>
        <translation>Es wird keine Umschuldung vorgenommen.</translation>
    </message>
    <message>
        <source>Refinance Cash Out</source>
        <translation>Auszahlung aus der Umschuldung (Cash-out)</translation>
    </message>
    <message>
        <source>The new loan less the balance it pays off and its costs: cash in hand in the year of the refinance; below 0 where cash must be brought.</source>
        <translation>Das neue Darlehen abzüglich der damit abgelösten Restschuld und seiner Kosten: das Geld, das dem Anleger im Jahr der Umschuldung zufließt; unter 0, wenn er Geld zuschießen muss.</translation>
    </message>
    <message>
        <source>Cash Left in the Deal</source>
        <translation>Im Objekt verbleibendes Kapital</translation>
    </message>
    <message>
        <source>The cash invested less the refinance&apos;s cash out.</source>
        <translation>Das eingesetzte Kapital abzüglich der Auszahlung aus der Umschuldung.</translation>
    </message>
    <message>
        <source>Cash-on-Cash after the Refinance</source>
        <translation>Eigenkapitalrendite (Cash-on-Cash) nach der Umschuldung</translation>
    </message>
    <message>
        <source>The cash flow of the year after the refinance as a share of the cash left in the deal.</source>
        <translation>Der Cashflow des Jahres nach der Umschuldung im Verhältnis zum im Objekt verbleibenden Kapital.</translation>
    </message>
    <message>
        <source>In the year of a refinance: the new loan less the balance it pays off and its costs, a flow of its own for every sale after that year; below 0 where cash must be brought.</source>
        <translation>Im Jahr einer Umschuldung: das neue Darlehen abzüglich der damit abgelösten Restschuld und seiner Kosten, eine eigene Zahlung für jeden Verkauf nach diesem Jahr; unter 0, wenn der Anleger Geld zuschießen muss.</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Abschreibung (AfA)</translation>
    </message>
    <message>
        <source>The price and closing costs less the land share, written off straight over 27.5 years from mid-month: 11.5 months in the first year and in the year of the sale, 12 in the others.</source>
        <translation>Kaufpreis und Kaufnebenkosten abzüglich des Grundstücksanteils, linear über 27,5 Jahre abgeschrieben, jeweils ab Monatsmitte: 11,5 Monate im ersten Jahr und im Jahr des Verkaufs, 12 in den übrigen Jahren.</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>The interest part of the year&apos;s payments.</source>
        <translation>Der Zinsanteil der Raten des Jahres.</translation>
    </message>
    <message>
        <source>Loan Costs Deducted</source>
        <translation>Abgezogene Geldbeschaffungskosten</translation>
    </message>
    <message>
        <source>The points and lender fees spread evenly over the loan&apos;s term, for the months it is paid; what is left in the year of its payoff, the refinance or the sale. A refinance&apos;s costs are spread over the new loan&apos;s term.</source>
        <translation>Disagio und Bearbeitungsgebühren, gleichmäßig auf die Laufzeit des Darlehens verteilt, für die Monate, in denen es bedient wird; der Rest im Jahr seiner Volltilgung, der Umschuldung oder des Verkaufs. Die Kosten einer Umschuldung werden auf die Laufzeit des neuen Darlehens verteilt.</translation>
    </message>
    <message>
        <source>Taxable Income</source>
        <translation>Steuerliches Ergebnis</translation>
    </message>
    <message>
        <source>The net operating income less the interest, the PMI, the depreciation and the loan costs deducted; below 0 a loss.</source>
        <translation>Der Reinertrag abzüglich der Zinsen, der Hypothekenversicherung, der AfA und der abgezogenen Geldbeschaffungskosten; unter 0 ein Verlust.</translation>
    </message>
    <message>
        <source>Income Tax</source>
        <translation>Einkommensteuer</translation>
    </message>
    <message>
        <source>The taxable income times the income tax rate; a loss saves tax, as the investor&apos;s other income absorbs it.</source>
        <translation>Das steuerliche Ergebnis multipliziert mit dem Einkommensteuersatz; ein Verlust spart Steuern, weil er mit den übrigen Einkünften des Anlegers verrechnet wird.</translation>
    </message>
    <message>
        <source>After-Tax Cash Flow</source>
        <translation>Cashflow nach Steuern</translation>
    </message>
    <message>
        <source>The cash flow less the income tax.</source>
        <translation>Der Cashflow abzüglich der Einkommensteuer.</translation>
    </message>
    <message>
        <source>After-Tax IRR if Sold</source>
        <translation>IRR nach Steuern bei Verkauf</translation>
    </message>
    <message>
        <source>The IRR after tax had the property been sold at the end of this year.</source>
        <translation>Der IRR nach Steuern, wäre die Immobilie am Ende dieses Jahres verkauft worden.</translation>
    </message>
    <message>
        <source>After-Tax IRR</source>
        <translation>IRR nach Steuern</translation>
    </message>
    <message>
        <source>The yearly rate at which the after-tax flows are worth 0: the cash invested, each year&apos;s cash flow less its income tax (and a refinance&apos;s cash out), and the sale proceeds less the tax on the sale.</source>
        <translation>Der jährliche Zinssatz, zu dem die Zahlungsströme nach Steuern heute zusammen 0 wert sind: das eingesetzte Kapital, der Cashflow jedes Jahres abzüglich seiner Einkommensteuer (und die Auszahlung aus einer Umschuldung) und der Verkaufserlös abzüglich der Steuer auf den Veräußerungsgewinn.</translation>
    </message>
    <message>
        <source>After-Tax NPV</source>
        <translation>Kapitalwert nach Steuern</translation>
    </message>
    <message>
        <source>The after-tax flows discounted at the discount rate.</source>
        <translation>Die Zahlungsströme nach Steuern, mit dem Kalkulationszins auf heute abgezinst.</translation>
    </message>
    <message>
        <source>After-Tax Equity Multiple</source>
        <translation>Eigenkapitalmultiplikator nach Steuern</translation>
    </message>
    <message>
        <source>What the after-tax flows paid out divided by what they put in.</source>
        <translation>Was die Zahlungsströme nach Steuern ausschütten, geteilt durch das, was in sie hineingesteckt wird.</translation>
    </message>
    <message>
        <source>After-Tax Profit</source>
        <translation>Gesamtgewinn nach Steuern</translation>
    </message>
    <message>
        <source>The after-tax flows of the hold less the cash invested: what the investor keeps.</source>
        <translation>Die Zahlungsströme nach Steuern über die Haltedauer abzüglich des eingesetzten Kapitals: was dem Anleger bleibt.</translation>
    </message>
    <message>
        <source>Depreciation Taken</source>
        <translation>In Anspruch genommene AfA</translation>
    </message>
    <message>
        <source>The depreciation of every year of the hold: it lowered the income taxed, and the sale taxes it back at the recapture rate.</source>
        <translation>Die AfA aller Jahre der Haltedauer: Sie hat das steuerliche Ergebnis gemindert, und der Verkauf versteuert sie zum Steuersatz der Nachversteuerung nach.</translation>
    </message>
    <message>
        <source>Tax on the Sale</source>
        <translation>Steuer auf den Veräußerungsgewinn</translation>
    </message>
    <message>
        <source>The gain up to the depreciation taken at the recapture rate, the rest at the capital gains rate; a sale at a loss saves tax at the income tax rate.</source>
        <translation>Der Veräußerungsgewinn bis zur Höhe der in Anspruch genommenen AfA zum Steuersatz der Nachversteuerung, der Rest zum Steuersatz für Veräußerungsgewinne; ein Verkauf mit Verlust spart Steuern zum Einkommensteuersatz.</translation>
    </message>
    <message>
        <source>The refinance returns all the cash invested: nothing is left in the deal to earn on.</source>
        <translation>Die Umschuldung zahlt das gesamte eingesetzte Kapital zurück: Im Objekt verbleibt nichts, auf das sich eine Rendite messen ließe.</translation>
    </message>
    <message>
        <source>The land share must be 0 % to 100 %.</source>
        <translation>Der Grundstücksanteil muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The income tax rate must be 0 % to 100 %.</source>
        <translation>Der Einkommensteuersatz muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The capital gains rate must be 0 % to 100 %.</source>
        <translation>Der Steuersatz für Veräußerungsgewinne muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The recapture rate must be 0 % to 100 %.</source>
        <translation>Der Steuersatz der Nachversteuerung muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The refinance loan-to-value must be 0 % to 100 %.</source>
        <translation>Der Beleihungsauslauf der Umschuldung muss zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The refinance rate must be more than -100 %.</source>
        <translation>Der Zinssatz der Umschuldung muss über -100 % liegen.</translation>
    </message>
    <message>
        <source>The refinance costs must be 0 % to 100 %.</source>
        <translation>Die Kosten der Umschuldung müssen zwischen 0 % und 100 % liegen.</translation>
    </message>
    <message>
        <source>The refinance is left out: its term must be 1 year or more.</source>
        <translation>Die Umschuldung bleibt unberücksichtigt: Ihre Laufzeit muss mindestens 1 Jahr betragen.</translation>
    </message>
    <message>
        <source>The refinance is left out: its year must be 0 (none) or more.</source>
        <translation>Die Umschuldung bleibt unberücksichtigt: Ihr Jahr muss 0 (keine Umschuldung) oder mehr betragen.</translation>
    </message>
    <message>
        <source>The refinance after year %1 is left out: the holding period ends after year %2.</source>
        <translation>Die Umschuldung nach dem %1. Jahr bleibt unberücksichtigt: Die Haltedauer endet nach dem %2. Jahr.</translation>
    </message>
</context>
<context>
    <name>ReadNotice</name>
    <message>
        <source>the description</source>
        <translation>die Beschreibung</translation>
    </message>
    <message>
        <source>the purchase price</source>
        <translation>den Kaufpreis</translation>
    </message>
    <message>
        <source>the monthly rental income</source>
        <translation>die monatlichen Mieteinnahmen</translation>
    </message>
    <message>
        <source>the monthly escrow</source>
        <translation>die monatlichen Steuern und Versicherung</translation>
    </message>
    <message>
        <source>the other monthly fees</source>
        <translation>die sonstigen monatlichen Kosten</translation>
    </message>
    <message>
        <source>the safety margin</source>
        <translation>den Sicherheitsabschlag</translation>
    </message>
    <message>
        <source>the lender of loan %1</source>
        <translation>den Kreditgeber von Darlehen %1</translation>
    </message>
    <message>
        <source>the down payment of loan %1</source>
        <translation>die Anzahlung von Darlehen %1</translation>
    </message>
    <message>
        <source>the interest rate of loan %1</source>
        <translation>den Zinssatz von Darlehen %1</translation>
    </message>
    <message>
        <source>the term of loan %1</source>
        <translation>die Laufzeit von Darlehen %1</translation>
    </message>
    <message>
        <source>the PMI of loan %1</source>
        <translation>die Hypothekenversicherung von Darlehen %1</translation>
    </message>
    <message>
        <source>Line %1: the figure %2 for %3 is too large to show; it was not read.</source>
        <translation>Zeile %1: Der Wert %2 für %3 ist zu groß, um angezeigt zu werden; er wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>Line %1: %2 is longer than 1,000 characters (%3); it was not read.</source>
        <translation>Zeile %1: Der Text für %2 ist länger als 1.000 Zeichen (%3); er wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>The saved figure %1 for %2 is too large to show; it was not used, and stays saved as it was until you enter another.</source>
        <translation>Der gespeicherte Wert %1 für %2 ist zu groß, um angezeigt zu werden; er wurde nicht verwendet und bleibt unverändert gespeichert, bis Sie einen anderen eingeben.</translation>
    </message>
    <message>
        <source>The saved text of %1 is longer than 1,000 characters (%2); it was not used, and stays saved as it was until you enter another.</source>
        <translation>Der gespeicherte Text für %1 ist länger als 1.000 Zeichen (%2); er wurde nicht verwendet und bleibt unverändert gespeichert, bis Sie einen anderen eingeben.</translation>
    </message>
    <message>
        <source>the holding period</source>
        <translation>die Haltedauer</translation>
    </message>
    <message>
        <source>the appreciation</source>
        <translation>die Wertsteigerung</translation>
    </message>
    <message>
        <source>the rent growth</source>
        <translation>die Mietsteigerung</translation>
    </message>
    <message>
        <source>the expense growth</source>
        <translation>die Kostensteigerung</translation>
    </message>
    <message>
        <source>the vacancy</source>
        <translation>den Leerstand</translation>
    </message>
    <message>
        <source>the maintenance</source>
        <translation>die Instandhaltung</translation>
    </message>
    <message>
        <source>the capital reserve</source>
        <translation>die Erneuerungsrücklage</translation>
    </message>
    <message>
        <source>the management fee</source>
        <translation>die Verwaltungskosten</translation>
    </message>
    <message>
        <source>the closing costs</source>
        <translation>die Kaufnebenkosten</translation>
    </message>
    <message>
        <source>the selling costs</source>
        <translation>die Verkaufskosten</translation>
    </message>
    <message>
        <source>the discount rate</source>
        <translation>den Kalkulationszins</translation>
    </message>
    <message>
        <source>the loan-to-value at which PMI ends</source>
        <translation>den Beleihungsauslauf, bei dem die Hypothekenversicherung endet</translation>
    </message>
    <message>
        <source>the target IRR</source>
        <translation>die Zielrendite</translation>
    </message>
    <message>
        <source>the appreciation of the bear market</source>
        <translation>die Wertsteigerung im ungünstigen Markt</translation>
    </message>
    <message>
        <source>the rent growth of the bear market</source>
        <translation>die Mietsteigerung im ungünstigen Markt</translation>
    </message>
    <message>
        <source>the expense growth of the bear market</source>
        <translation>die Kostensteigerung im ungünstigen Markt</translation>
    </message>
    <message>
        <source>the vacancy of the bear market</source>
        <translation>den Leerstand im ungünstigen Markt</translation>
    </message>
    <message>
        <source>the appreciation of the bull market</source>
        <translation>die Wertsteigerung im günstigen Markt</translation>
    </message>
    <message>
        <source>the rent growth of the bull market</source>
        <translation>die Mietsteigerung im günstigen Markt</translation>
    </message>
    <message>
        <source>the expense growth of the bull market</source>
        <translation>die Kostensteigerung im günstigen Markt</translation>
    </message>
    <message>
        <source>the vacancy of the bull market</source>
        <translation>den Leerstand im günstigen Markt</translation>
    </message>
    <message>
        <source>the extra payment of loan %1</source>
        <translation>die Sondertilgung von Darlehen %1</translation>
    </message>
    <message>
        <source>The saved entry %1 for %2 is not a number (such as 3.5); it was not used, and stays saved as it was until you enter another.</source>
        <translation>Der gespeicherte Eintrag %1 für %2 ist keine Zahl (wie 3.5); er wurde nicht verwendet und bleibt gespeichert, bis Sie einen anderen Wert eingeben.</translation>
    </message>
    <message>
        <source>the points of loan %1</source>
        <translation>das Disagio von Darlehen %1</translation>
    </message>
    <message>
        <source>the lender fees of loan %1</source>
        <translation>die Bearbeitungsgebühren von Darlehen %1</translation>
    </message>
    <message>
        <source>the land share</source>
        <translation>den Grundstücksanteil</translation>
    </message>
    <message>
        <source>the income tax rate</source>
        <translation>den Einkommensteuersatz</translation>
    </message>
    <message>
        <source>the capital gains rate</source>
        <translation>den Steuersatz für Veräußerungsgewinne</translation>
    </message>
    <message>
        <source>the recapture rate</source>
        <translation>den Steuersatz der Nachversteuerung</translation>
    </message>
    <message>
        <source>the year of the refinance</source>
        <translation>das Jahr der Umschuldung</translation>
    </message>
    <message>
        <source>the loan-to-value of the refinance</source>
        <translation>den Beleihungsauslauf der Umschuldung</translation>
    </message>
    <message>
        <source>the rate of the refinance</source>
        <translation>den Zinssatz der Umschuldung</translation>
    </message>
    <message>
        <source>the term of the refinance</source>
        <translation>die Laufzeit der Umschuldung</translation>
    </message>
    <message>
        <source>the costs of the refinance</source>
        <translation>die Kosten der Umschuldung</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Purchase Price</source>
        <translation>Kaufpreis</translation>
    </message>
    <message>
        <source>Monthly Rental Income</source>
        <translation>Monatliche Mieteinnahmen</translation>
    </message>
    <message>
        <source>Monthly Escrow</source>
        <translation>Steuern und Versicherung je Monat</translation>
    </message>
    <message>
        <source>Other Monthly Fees</source>
        <translation>Sonstige monatliche Kosten</translation>
    </message>
    <message>
        <source>Safety Margin</source>
        <translation>Sicherheitsabschlag</translation>
    </message>
    <message>
        <source>Lender</source>
        <translation>Kreditgeber</translation>
    </message>
    <message>
        <source>Down Payment</source>
        <translation>Anzahlung</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Term (Years)</source>
        <translation>Laufzeit (Jahre)</translation>
    </message>
    <message>
        <source>PMI</source>
        <translation>Hypothekenversicherung (PMI)</translation>
    </message>
    <message>
        <source>Loan Amount</source>
        <translation>Darlehensbetrag</translation>
    </message>
    <message>
        <source>Principal and Interest</source>
        <translation>Zins und Tilgung</translation>
    </message>
    <message>
        <source>Total Monthly Payment</source>
        <translation>Monatliche Gesamtrate</translation>
    </message>
    <message>
        <source>Monthly Cash Flow</source>
        <translation>Monatlicher Cashflow</translation>
    </message>
    <message>
        <source>Safety Cash Flow</source>
        <translation>Cashflow nach Sicherheitsabschlag</translation>
    </message>
    <message>
        <source>Loan %1</source>
        <translation>Darlehen %1</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Calculator command:</source>
        <translation>&amp;Rechnerbefehl:</translation>
    </message>
    <message>
        <source>Report settings</source>
        <translation>Berichtseinstellungen</translation>
    </message>
    <message>
        <source>&amp;Font name:</source>
        <translation>Schrift&amp;name:</translation>
    </message>
    <message>
        <source>Font &amp;size:</source>
        <translation>Schriftgr&amp;öße:</translation>
    </message>
    <message>
        <source>Background colors</source>
        <translation>Hintergrundfarben</translation>
    </message>
    <message>
        <source>&amp;Labels:</source>
        <translation>&amp;Beschriftungen:</translation>
    </message>
    <message>
        <source>&amp;Even rows:</source>
        <translation>&amp;Gerade Zeilen:</translation>
    </message>
    <message>
        <source>&amp;Odd rows:</source>
        <translation>&amp;Ungerade Zeilen:</translation>
    </message>
    <message>
        <source>Od&amp;d rows (calculated):</source>
        <translation>Ungerade Zeilen (berechne&amp;t):</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Zurücksetzen...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reset settings back to their default values?</source>
        <translation>Einstellungen auf ihre Standardwerte zurücksetzen?</translation>
    </message>
</context>
<context>
    <name>WidgetPrompt</name>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
</context>
<context>
    <name>ZantoriaApp</name>
    <message>
        <source>Your figures and settings could not be saved: the disk may be full, or the settings folder may not be writable.

Make room and choose Retry, choose Export to keep the deal in a file of your choice, or choose Discard to end without them.</source>
        <translation>Ihre Werte und Einstellungen konnten nicht gespeichert werden: Vielleicht ist der Datenträger voll, oder in den Ordner der Einstellungen kann nicht geschrieben werden.

Schaffen Sie Platz und wählen Sie „Wiederholen“, wählen Sie „Exportieren“, um das Objekt in einer Datei Ihrer Wahl zu sichern, oder wählen Sie „Verwerfen“, um ohne sie zu beenden.</translation>
    </message>
    <message>
        <source>No calculator command is set. Name your calculator program in the settings (F12).</source>
        <translation>Es ist kein Befehl für den Taschenrechner eingestellt. Geben Sie Ihr Rechnerprogramm in den Einstellungen (F12) an.</translation>
    </message>
    <message>
        <source>The calculator &quot;%1&quot; could not be started. Name a calculator program installed on this computer, without arguments, in the settings (F12).</source>
        <translation>Der Taschenrechner „%1“ konnte nicht gestartet werden. Geben Sie in den Einstellungen (F12) ein auf diesem Computer installiertes Rechnerprogramm an, ohne Argumente.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Weighs the purchase of a rental property: one property&apos;s figures and up to five loan offers, compared side by side in a report.</source>
        <translation>Hilft beim Kauf einer vermieteten Immobilie: die Werte einer Immobilie und bis zu fünf Darlehensangebote, in einem Bericht nebeneinander verglichen.</translation>
    </message>
    <message>
        <source>A deal file to open, as Import Data would.</source>
        <translation>Eine Datendatei, die wie mit „Daten importieren“ geöffnet wird.</translation>
    </message>
    <message>
        <source>%1: no display available; start it from a graphical desktop session (DISPLAY or WAYLAND_DISPLAY is not set).</source>
        <translation>%1: keine Anzeige verfügbar; starten Sie das Programm aus einer grafischen Sitzung (DISPLAY oder WAYLAND_DISPLAY ist nicht gesetzt).</translation>
    </message>
    <message>
        <source>No deal file given.</source>
        <translation>Keine Datendatei angegeben.</translation>
    </message>
    <message>
        <source>-o names one report, but %1 deal files were given.</source>
        <translation>-o nennt einen Bericht, aber es wurden %1 Datendateien angegeben.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Write to OUTPUT: for html instead of the deal file&apos;s name with the extension .htm (one deal file only); for csv and json instead of standard output. - is standard output. Without it each deal file gets its own report: of two whose reports would have the same name, the later keeps its whole name (deal.v2 gives deal.v2.htm); a run in which two would still write the same file, or that names a deal file twice, is refused before anything is written.</source>
        <translation>Nach OUTPUT schreiben: bei html statt unter dem Namen der Datendatei mit der Endung .htm (nur eine Datendatei); bei csv und json statt auf die Standardausgabe. - ist die Standardausgabe. Ohne diese Angabe erhält jede Datendatei ihren eigenen Bericht: Von zwei Dateien, deren Berichte gleich hießen, behält die spätere ihren ganzen Namen (aus deal.v2 wird deal.v2.htm); ein Aufruf, in dem zwei Berichte dennoch dieselbe Datei wären oder der eine Datendatei zweimal nennt, wird abgelehnt, bevor etwas geschrieben wird.</translation>
    </message>
    <message>
        <source>The deal files to read: regular files only, no folders, FIFOs or devices. Messages show a name&apos;s control characters and bytes that are no UTF-8 as \xHH, and a backslash as \\.</source>
        <translation>Die zu lesenden Datendateien: nur gewöhnliche Dateien, keine Ordner, FIFOs oder Geräte. Meldungen zeigen Steuerzeichen eines Namens und Bytes, die kein UTF-8 sind, als \xHH, einen Backslash als \\.</translation>
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
        <translation>Schreibt den Zantoria-Bericht jeder Datendatei (*.zant) als HTML-Seite daneben, oder die
Zahlen und die Darlehensanalyse aller Dateien als eine CSV-Tabelle oder ein JSON-Dokument.

Rückgabewert: 0, wenn alles geschrieben wurde; 1 bei falschen Argumenten oder einer
fehlerhaften Zeile in einer Datendatei (kein „=“, eine fehlende oder unbekannte
Bezeichnung, ein unbekanntes Gebietsschema oder eine unbekannte Währung, ein zu großer Wert,
ein Text mit mehr als 1.000 Zeichen); 2, wenn eine Datei nicht gelesen oder geschrieben werden
kann oder der Arbeitsspeicher nicht reicht. Bei mehreren Dateien zählt der schlimmste Fall;
CSV und JSON lassen die Dateien weg, die sich nicht lesen lassen. Ein Wert, der sich nicht als
Zahl lesen lässt („abc“), ist kein Fehler: Er zählt als 0, wie im Fenster des Programms.</translation>
    </message>
    <message>
        <source>--assume %1: unknown label; use LABEL=NUMBER with a label of the deal file&apos;s projection block, such as HoldYears or Appreciation.</source>
        <translation>--assume %1: unbekannte Bezeichnung; verwenden Sie LABEL=NUMBER mit einer Bezeichnung aus dem Projektionsteil der Datei, etwa HoldYears oder Appreciation.</translation>
    </message>
    <message>
        <source>--assume %1: &quot;%2&quot; is not a number; write it with &quot;.&quot; as the decimal point (Appreciation=4.5).</source>
        <translation>--assume %1: &quot;%2&quot; ist keine Zahl; schreiben Sie sie mit &quot;.&quot; als Dezimalpunkt (Appreciation=4.5).</translation>
    </message>
    <message>
        <source>The figure is too large to show.</source>
        <translation>Der Wert ist zu groß für die Anzeige.</translation>
    </message>
    <message>
        <source>--assume goes with --format=csv or --format=json.</source>
        <translation>--assume gilt nur mit --format=csv oder --format=json.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Use NUMBER for an assumption of the holding period instead of the deal file&apos;s, for csv and json: LABEL is a label of the file&apos;s projection block (%1), NUMBER a plain number with &quot;.&quot; as its point, in per cent for shares and rates: --assume Appreciation=4.5 --assume HoldYears=20. May be given many times.</source>
        <translation>NUMBER statt des Werts der Datei für eine Annahme der Projektion verwenden, für csv und json: LABEL ist eine Bezeichnung aus dem Projektionsteil der Datei (%1), NUMBER eine einfache Zahl mit &quot;.&quot; als Dezimalpunkt, in Prozent für Anteile und Sätze: --assume Appreciation=4.5 --assume HoldYears=20. Darf mehrfach angegeben werden.</translation>
    </message>
    <message>
        <source>No figure below 0 is allowed for %1.</source>
        <translation>Für %1 ist kein Wert unter 0 zulässig.</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;: use html, csv, json or jsonl.</source>
        <translation>Unbekanntes Format „%1“: Verwenden Sie html, csv, json oder jsonl.</translation>
    </message>
    <message>
        <source>--yearly goes with --format=csv, json or jsonl.</source>
        <translation>--yearly gehört zu --format=csv, json oder jsonl.</translation>
    </message>
    <message>
        <source>--pretty goes with --format=json.</source>
        <translation>--pretty gehört zu --format=json.</translation>
    </message>
    <message>
        <source>--jobs takes a whole number from 1 to 1024.</source>
        <translation>--jobs erwartet eine ganze Zahl von 1 bis 1024.</translation>
    </message>
    <message>
        <source>html (the report, the default), csv (a line per loan of each file, the file&apos;s name first), json (one document; see docs/analysis-json.md) or jsonl (one deal&apos;s object a line, for jq and databases). csv and json give each loan&apos;s projection over the holding period, its IRR in a bear, the base and a bull market, and the highest price at which it still reaches the target IRR.</source>
        <translation>html (der Bericht, die Voreinstellung), csv (eine Zeile je Darlehen jeder Datei, der Name der Datei zuerst), json (ein Dokument; siehe docs/analysis-json.md) oder jsonl (ein JSON-Objekt je Datei und Zeile, für jq und Datenbanken). csv und json geben für jedes Darlehen die Projektion über die Haltedauer, seinen IRR im ungünstigen Markt, im Basisfall und im günstigen Markt und den höchsten Kaufpreis, bei dem es die Zielrendite noch erreicht.</translation>
    </message>
    <message>
        <source>With --format=csv: the holding period year by year, a line per file, loan and year, instead of a line per loan. With json and jsonl: each loan&apos;s projection and after-tax figures with their years.</source>
        <translation>Mit --format=csv: die Haltedauer Jahr für Jahr, eine Zeile je Datei, Darlehen und Jahr, statt einer Zeile je Darlehen. Mit json und jsonl: die Projektion und die Zahlen nach Steuern jedes Darlehens mit ihren Jahren.</translation>
    </message>
    <message>
        <source>With --format=json: indented, for a person to read; without it the document is on one line.</source>
        <translation>Mit --format=json: eingerückt, für das Lesen durch Menschen; ohne diese Option steht das Dokument in einer Zeile.</translation>
    </message>
    <message>
        <source>Compute N deal files at once (default: the number of processors); the output is the same, in the order of the command line.</source>
        <translation>N Datendateien gleichzeitig berechnen (Voreinstellung: die Zahl der Prozessoren); die Ausgabe bleibt dieselbe, in der Reihenfolge der Befehlszeile.</translation>
    </message>
</context>
</TS>
