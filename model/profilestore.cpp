#include "profilestore.h"

#include "appsettings.h"
#include "dealrecord.h"
#include "figurelocales.h"
#include "localeservices.h"
#include "profile.h"

#include <type_traits>
#include <vector>

namespace {

const QString Section = QStringLiteral("ZANT");

struct TextSetting
{
    const char *entry;
    QString CAppSettings::*member;
};

struct ColorSetting
{
    const char *entry;
    COLORREF CAppSettings::*member;
};

const TextSetting TextSettings[] = {
    {"CalcCmd", &CAppSettings::m_strCalcCmd},
    {"FontName", &CAppSettings::m_strFontName},
    {"FontSize", &CAppSettings::m_strFontSize},
};

const ColorSetting ColorSettings[] = {
    {"LabelsColor", &CAppSettings::m_crLabels},
    {"EvenRowsColor", &CAppSettings::m_crEvenRows},
    {"OddRowsColor", &CAppSettings::m_crOddRows},
    {"OddRowsCalcColor", &CAppSettings::m_crOddRowsCalc},
};

// A figure of the record with its profile entry and first-run text.
template <class Value>
struct Figure
{
    QString entry;
    const QString &defaultText;
    Value &value;
    CReadNotice::Field field;
    int loan = 0;
};

// One table for reading (Record = CDealRecord) and writing (Record = const CDealRecord).
template <class Record>
using FigureOf = Figure<std::conditional_t<std::is_const_v<Record>, const CValue, CValue>>;

template <class Record>
std::vector<FigureOf<Record>> PropertyFigures(Record &record)
{
    return {
        {QStringLiteral("PurchasePrice"), FirstRun::PurchasePrice, record.m_purchasePrice, CReadNotice::PurchasePrice, 0},
        {QStringLiteral("RentalIncome"), FirstRun::RentalIncome, record.m_rentalIncome, CReadNotice::RentalIncome, 0},
        {QStringLiteral("Escrow"), FirstRun::Escrow, record.m_escrow, CReadNotice::Escrow, 0},
        {QStringLiteral("OtherFees"), FirstRun::OtherFees, record.m_otherFees, CReadNotice::OtherFees, 0},
        {QStringLiteral("SafetyMargin"), FirstRun::SafetyMargin, record.m_safetyMargin, CReadNotice::SafetyMargin, 0},
    };
}

template <class Record>
std::vector<FigureOf<Record>> LoanFigures(Record &record, int k)
{
    const QString number = QString::number(k + 1);
    return {
        {QStringLiteral("DownPayment") + number, FirstRun::DownPayment, record.m_downPayment[k], CReadNotice::DownPayment, k + 1},
        {QStringLiteral("InterestRate") + number, FirstRun::InterestRate, record.m_interestRate[k], CReadNotice::InterestRate, k + 1},
        {QStringLiteral("Term") + number, FirstRun::Term, record.m_term[k], CReadNotice::Term, k + 1},
        {QStringLiteral("PMI") + number, FirstRun::Pmi, record.m_pmi[k], CReadNotice::Pmi, k + 1},
    };
}

QString LenderEntry(int k)
{
    return QStringLiteral("Lender") + QString::number(k + 1);
}

// The locales the stored figures were written in; a profile of an earlier version names none,
// and its figures are read in the user's own, as they were written.
const QString LocaleEntry = QStringLiteral("Locale");
const QString CurrencyEntry = QStringLiteral("Currency");

CFigureLocales StoredLocales(IProfile &profile)
{
    const CFigureLocales user = CFigureLocales::User();
    return CFigureLocales::FromText(profile.GetProfileString(Section, LocaleEntry), user).value_or(user);
}

void ReadFigures(IProfile &profile, const std::vector<FigureOf<CDealRecord>> &figures,
                 const CFigureLocales &locales, std::vector<CReadNotice> *notices)
{
    for (const auto &figure : figures) {
        const QString stored = profile.GetProfileString(Section, figure.entry, figure.defaultText);
        if (figure.value.ReadStored(stored, locales))
            continue;
        // The first-run figure stands in; the stored one is kept for the user to see to.
        (void)figure.value.ReadStored(figure.defaultText, locales);
        if (notices)
            notices->push_back({CReadNotice::FigureTooLarge, figure.field, figure.loan, 0, stored,
                                figure.entry, figure.value.Format()});
    }
}

// True when the entry was refused at start-up and its field still holds the stand-in.
bool KeepsStoredText(const std::vector<CReadNotice> &refused, const QString &entry,
                     const QString &current)
{
    for (const CReadNotice &notice : refused) {
        if (notice.entry == entry)
            return notice.held == current;
    }
    return false;
}

const QString DescriptionEntry = QStringLiteral("Description");

// A description or lender; one longer than the edits take is left empty and named in notices.
void ReadText(IProfile &profile, const QString &entry, QString &text, CReadNotice::Field field,
              int loan, std::vector<CReadNotice> *notices)
{
    QString stored = profile.GetProfileString(Section, entry);
    if (stored.size() <= MaxTextLength) {
        text = std::move(stored);
        return;
    }
    text.clear();
    if (notices)
        notices->push_back({CReadNotice::TextTooLong, field, loan, 0, stored, entry, text});
}

void WriteFigures(IProfile &profile, const std::vector<FigureOf<const CDealRecord>> &figures,
                  const std::vector<CReadNotice> &refused)
{
    for (const auto &figure : figures) {
        const QString text = figure.value.Format();
        if (!KeepsStoredText(refused, figure.entry, text))
            profile.WriteProfileString(Section, figure.entry, text);
    }
}

} // namespace

void ProfileStore::ReadSettings(IProfile &profile, CAppSettings &settings)
{
    const CAppSettings defaults = CAppSettings::Defaults();
    for (const TextSetting &setting : TextSettings)
        settings.*setting.member = profile.GetProfileString(
            Section, QString::fromLatin1(setting.entry), defaults.*setting.member);
    for (const ColorSetting &setting : ColorSettings)
        settings.*setting.member = COLORREF(profile.GetProfileInt(
            Section, QString::fromLatin1(setting.entry), std::int32_t(defaults.*setting.member)));
}

void ProfileStore::WriteSettings(IProfile &profile, const CAppSettings &settings)
{
    for (const TextSetting &setting : TextSettings)
        profile.WriteProfileString(Section, QString::fromLatin1(setting.entry),
                                   settings.*setting.member);
    for (const ColorSetting &setting : ColorSettings)
        profile.WriteProfileInt(Section, QString::fromLatin1(setting.entry),
                                std::int32_t(settings.*setting.member));
}

void ProfileStore::ReadRecord(IProfile &profile, CDealRecord &record,
                              std::vector<CReadNotice> *notices)
{
    CFigureLocales locales = StoredLocales(profile);
    // A profile of an earlier version names no currency: its deal is in that of the locale its
    // figures were written in. The record read is the deal now shown.
    const QString currency = profile.GetProfileString(Section, CurrencyEntry);
    locales.currency = CLocaleServices::IsKnownCurrency(currency)
                           ? currency
                           : CLocaleServices::LocaleCurrency(locales.money);
    record.m_currency = locales.currency;
    CLocaleServices::SetDealCurrency(locales.currency);
    ReadText(profile, DescriptionEntry, record.m_strDescription, CReadNotice::Description, 0, notices);
    ReadFigures(profile, PropertyFigures(record), locales, notices);
    for (int k = 0; k < MAX_LOANS; ++k) {
        ReadText(profile, LenderEntry(k), record.m_strLender[k], CReadNotice::Lender, k + 1, notices);
        ReadFigures(profile, LoanFigures(record, k), locales, notices);
    }
}

void ProfileStore::WriteRecord(IProfile &profile, const CDealRecord &record,
                               const std::vector<CReadNotice> &refused)
{
    if (!KeepsStoredText(refused, DescriptionEntry, record.m_strDescription))
        profile.WriteProfileString(Section, DescriptionEntry, record.m_strDescription);
    WriteFigures(profile, PropertyFigures(record), refused);
    for (int k = 0; k < MAX_LOANS; ++k) {
        if (!KeepsStoredText(refused, LenderEntry(k), record.m_strLender[k]))
            profile.WriteProfileString(Section, LenderEntry(k), record.m_strLender[k]);
        WriteFigures(profile, LoanFigures(record, k), refused);
    }
    const CFigureLocales written = CFigureLocales::User();
    profile.WriteProfileString(Section, LocaleEntry, written.ToText());
    profile.WriteProfileString(Section, CurrencyEntry, written.currency);
    // The figures read right only beside the locales and the currency they were written with.
    QStringList figureEntries = {CurrencyEntry};
    for (const auto &figure : PropertyFigures(record))
        figureEntries << figure.entry;
    for (int k = 0; k < MAX_LOANS; ++k) {
        for (const auto &figure : LoanFigures(record, k))
            figureEntries << figure.entry;
    }
    profile.KeepTogether(Section, LocaleEntry, figureEntries);
}

namespace {
// A profile with nothing in it: every read yields its default.
class CEmptyProfile final : public IProfile
{
public:
    QString GetProfileString(const QString &, const QString &, const QString &defaultValue) override
    {
        return defaultValue;
    }
    std::int32_t GetProfileInt(const QString &, const QString &, std::int32_t defaultValue) override
    {
        return defaultValue;
    }
    void WriteProfileString(const QString &, const QString &, const QString &) override {}
    void WriteProfileInt(const QString &, const QString &, std::int32_t) override {}
    bool Flush() override { return true; }
};
} // namespace

CDealRecord ProfileStore::FirstRunRecord()
{
    CEmptyProfile empty;
    CDealRecord record;
    ReadRecord(empty, record);
    return record;
}
