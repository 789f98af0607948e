#include "profilestore.h"

#include "appsettings.h"
#include "dealrecord.h"
#include "figurelocales.h"
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
};

// One table for reading (Record = CDealRecord) and writing (Record = const CDealRecord).
template <class Record>
using FigureOf = Figure<std::conditional_t<std::is_const_v<Record>, const CValue, CValue>>;

template <class Record>
std::vector<FigureOf<Record>> PropertyFigures(Record &record)
{
    return {
        {QStringLiteral("PurchasePrice"), FirstRun::PurchasePrice, record.m_purchasePrice},
        {QStringLiteral("RentalIncome"), FirstRun::RentalIncome, record.m_rentalIncome},
        {QStringLiteral("Escrow"), FirstRun::Escrow, record.m_escrow},
        {QStringLiteral("SafetyMargin"), FirstRun::SafetyMargin, record.m_safetyMargin},
    };
}

template <class Record>
std::vector<FigureOf<Record>> LoanFigures(Record &record, int k)
{
    const QString number = QString::number(k + 1);
    return {
        {QStringLiteral("DownPayment") + number, FirstRun::DownPayment, record.m_downPayment[k]},
        {QStringLiteral("InterestRate") + number, FirstRun::InterestRate, record.m_interestRate[k]},
        {QStringLiteral("Term") + number, FirstRun::Term, record.m_term[k]},
        {QStringLiteral("PMI") + number, FirstRun::Pmi, record.m_pmi[k]},
    };
}

QString LenderEntry(int k)
{
    return QStringLiteral("Lender") + QString::number(k + 1);
}

// The locales the stored figures were written in; a profile of an earlier version names none,
// and its figures are read in the user's own, as they were written.
const QString LocaleEntry = QStringLiteral("Locale");

CFigureLocales StoredLocales(IProfile &profile)
{
    const CFigureLocales user = CFigureLocales::User();
    return CFigureLocales::FromText(profile.GetProfileString(Section, LocaleEntry), user).value_or(user);
}

void ReadFigures(IProfile &profile, const std::vector<FigureOf<CDealRecord>> &figures,
                 const CFigureLocales &locales)
{
    for (const auto &figure : figures)
        figure.value.Parse(profile.GetProfileString(Section, figure.entry, figure.defaultText),
                           locales);
}

void WriteFigures(IProfile &profile, const std::vector<FigureOf<const CDealRecord>> &figures)
{
    for (const auto &figure : figures)
        profile.WriteProfileString(Section, figure.entry, figure.value.Format());
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

void ProfileStore::ReadRecord(IProfile &profile, CDealRecord &record)
{
    const CFigureLocales locales = StoredLocales(profile);
    record.m_strDescription = profile.GetProfileString(Section, QStringLiteral("Description"));
    ReadFigures(profile, PropertyFigures(record), locales);
    for (int k = 0; k < MAX_LOANS; ++k) {
        record.m_strLender[k] = profile.GetProfileString(Section, LenderEntry(k));
        ReadFigures(profile, LoanFigures(record, k), locales);
    }
}

void ProfileStore::WriteRecord(IProfile &profile, const CDealRecord &record)
{
    profile.WriteProfileString(Section, QStringLiteral("Description"), record.m_strDescription);
    WriteFigures(profile, PropertyFigures(record));
    for (int k = 0; k < MAX_LOANS; ++k) {
        profile.WriteProfileString(Section, LenderEntry(k), record.m_strLender[k]);
        WriteFigures(profile, LoanFigures(record, k));
    }
    profile.WriteProfileString(Section, LocaleEntry, CFigureLocales::User().ToText());
    QStringList figureEntries;
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
