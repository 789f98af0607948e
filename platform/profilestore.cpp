#include "platform/profilestore.h"

#include "platform/shell.h"

#include "core/appsettings.h"
#include "core/dealfields.h"
#include "core/dealrecord.h"
#include "core/figurelocales.h"
#include "core/localeservices.h"
#include "platform/profile.h"

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
    BgrColor CAppSettings::*member;
};

const TextSetting TextSettings[] = {
    {"CalcCmd", &CAppSettings::m_calculatorCommand},
    {"FontName", &CAppSettings::m_fontName},
    {"FontSize", &CAppSettings::m_fontSize},
};

const ColorSetting ColorSettings[] = {
    {"LabelsColor", &CAppSettings::m_labelsColor},
    {"EvenRowsColor", &CAppSettings::m_evenRowsColor},
    {"OddRowsColor", &CAppSettings::m_oddRowsColor},
    {"OddRowsCalcColor", &CAppSettings::m_oddRowsCalcColor},
};

// Notices name a loan by its number, and none for the property.
int NoticeLoan(const DealField &field, int loan)
{
    return field.perLoan ? loan + 1 : 0;
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

// A figure the field cannot show leaves the first-run figure in its place; the stored one is
// kept for the user to see to.
void ReadFigure(IProfile &profile, const DealField &field, int loan, CDealRecord &record,
                const CFigureLocales &locales, std::vector<ReadNotice> *notices)
{
    const QString entry = field.entry(loan);
    CValue &value = field.figure(record, loan);
    const QString stored = profile.GetProfileString(Section, entry, *field.firstRun);
    if (value.ReadStored(stored, locales))
        return;
    (void)value.ReadStored(*field.firstRun, locales);
    if (notices)
        notices->push_back({ReadNotice::FigureTooLarge, &field, NoticeLoan(field, loan), 0, stored,
                            entry, value.Format()});
}

// True when the entry was refused at start-up and its field still holds the stand-in.
bool KeepsStoredText(const std::vector<ReadNotice> &refused, const QString &entry,
                     const QString &current)
{
    for (const ReadNotice &notice : refused) {
        if (notice.entry == entry)
            return notice.held == current;
    }
    return false;
}

// A description or lender; one longer than the edits take is left empty and named in notices.
void ReadText(IProfile &profile, const DealField &field, int loan, CDealRecord &record,
              std::vector<ReadNotice> *notices)
{
    const QString entry = field.entry(loan);
    QString &text = field.text(record, loan);
    QString stored = profile.GetProfileString(Section, entry);
    if (stored.size() <= MaxTextLength) {
        text = std::move(stored);
        return;
    }
    text.clear();
    if (notices)
        notices->push_back(
            {ReadNotice::TextTooLong, &field, NoticeLoan(field, loan), 0, stored, entry, text});
}

QString StoredText(const DealField &field, int loan, const CDealRecord &record)
{
    return field.isText() ? field.text(record, loan) : field.figure(record, loan).Format();
}

} // namespace

void ProfileStore::ReadSettings(IProfile &profile, CAppSettings &settings)
{
    const CAppSettings defaults = DefaultSettings();
    for (const TextSetting &setting : TextSettings)
        settings.*setting.member = profile.GetProfileString(
            Section, QString::fromLatin1(setting.entry), defaults.*setting.member);
    for (const ColorSetting &setting : ColorSettings)
        settings.*setting.member = BgrColor(profile.GetProfileInt(
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
                              std::vector<ReadNotice> *notices)
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
    forEachStoredField([&](const DealField &field, int loan) {
        if (field.isText())
            ReadText(profile, field, loan, record, notices);
        else
            ReadFigure(profile, field, loan, record, locales, notices);
    });
}

void ProfileStore::WriteRecord(IProfile &profile, const CDealRecord &record,
                               const std::vector<ReadNotice> &refused)
{
    forEachStoredField([&](const DealField &field, int loan) {
        const QString entry = field.entry(loan);
        const QString text = StoredText(field, loan, record);
        if (!KeepsStoredText(refused, entry, text))
            profile.WriteProfileString(Section, entry, text);
    });
    const CFigureLocales written = CFigureLocales::User();
    profile.WriteProfileString(Section, LocaleEntry, written.ToText());
    profile.WriteProfileString(Section, CurrencyEntry, written.currency);
    // The figures read right only beside the locales and the currency they were written with.
    QStringList figureEntries = {CurrencyEntry};
    forEachStoredField([&figureEntries](const DealField &field, int loan) {
        if (!field.isText())
            figureEntries << field.entry(loan);
    });
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

CAppSettings ProfileStore::DefaultSettings()
{
    return CAppSettings::Defaults(DefaultCalculatorCommand());
}
