#include "platform/profilestore.h"

#include "platform/shell.h"

#include "core/appsettings.h"
#include "core/dealfields.h"
#include "core/dealrecord.h"
#include "core/figurelocales.h"
#include "core/loananalysis.h"
#include "core/localeservices.h"
#include "platform/profile.h"

#include <QLocale>

#include <array>
#include <cmath>
#include <vector>

namespace {

const QString Section = QStringLiteral("ZANT");

struct TextSetting
{
    const char *entry;
    QString AppSettings::*member;
};

struct ColorSetting
{
    const char *entry;
    BgrColor AppSettings::*member;
};

const TextSetting TextSettings[] = {
    {"CalcCmd", &AppSettings::m_calculatorCommand},
    {"FontName", &AppSettings::m_fontName},
    {"FontSize", &AppSettings::m_fontSize},
};

const ColorSetting ColorSettings[] = {
    {"LabelsColor", &AppSettings::m_labelsColor},
    {"EvenRowsColor", &AppSettings::m_evenRowsColor},
    {"OddRowsColor", &AppSettings::m_oddRowsColor},
    {"OddRowsCalcColor", &AppSettings::m_oddRowsCalcColor},
};

// Notices name a loan by its number, and none for the property.
int noticeLoan(const DealField &field, int loan)
{
    return field.perLoan ? loan + 1 : 0;
}

// The locales the stored figures were written in; a profile of an earlier version names none,
// and its figures are read in the user's own, as they were written.
const QString LocaleEntry = QStringLiteral("Locale");
const QString CurrencyEntry = QStringLiteral("Currency");

FigureLocales storedLocales(IProfile &profile)
{
    const FigureLocales user = FigureLocales::user(QString());
    return FigureLocales::fromText(profile.readString(Section, LocaleEntry), user).value_or(user);
}

// A figure the field cannot show leaves the first-run figure in its place; the stored one is
// kept for the user to see to.
void readFigure(IProfile &profile, const DealField &field, int loan, DealRecord &record,
                const FigureLocales &locales, std::vector<ReadNotice> *notices)
{
    const QString entry = field.entry(loan);
    Value &value = field.figure(record, loan);
    (void)value.readStored(field.firstRunText(), locales);
    // A missing entry reads as the first-run figure as it is stored, so that storing it unchanged
    // is no change.
    const QString firstRun = value.format(record.m_currency);
    const QString stored = profile.readString(Section, entry, firstRun);
    if (stored == firstRun || value.readStored(stored, locales))
        return;
    if (notices)
        notices->push_back({ReadNotice::FigureTooLarge, &field, noticeLoan(field, loan), 0, stored,
                            entry, value.format(record.m_currency)});
}

// True when the entry was refused at start-up and its field still holds the stand-in.
bool keepsStoredText(const std::vector<ReadNotice> &refused, const QString &entry,
                     const QString &current)
{
    for (const ReadNotice &notice : refused) {
        if (notice.entry == entry)
            return notice.held == current;
    }
    return false;
}

// A description or lender; one longer than the edits take is left empty and named in notices.
void readText(IProfile &profile, const DealField &field, int loan, DealRecord &record,
              std::vector<ReadNotice> *notices)
{
    const QString entry = field.entry(loan);
    QString &text = field.text(record, loan);
    QString stored = profile.readString(Section, entry);
    if (stored.size() <= MaxTextLength) {
        text = std::move(stored);
        return;
    }
    text.clear();
    if (notices)
        notices->push_back(
            {ReadNotice::TextTooLong, &field, noticeLoan(field, loan), 0, stored, entry, text});
}

QString storedText(const DealField &field, int loan, const DealRecord &record)
{
    return field.isText() ? field.text(record, loan)
                          : field.figure(record, loan).format(record.m_currency);
}

// The holding-period assumptions keep a group of their own, so that the deal's group holds only
// the deal. Their figures are plain numbers ("3.5"), which read the same in every locale.
const QString ProjectionSection = QStringLiteral("Projection");

QString plainNumber(double number)
{
    return QString::number(number, 'g', QLocale::FloatingPointShortest);
}

// A figure is used as its field shows it, like every stored figure. An entry that is no plain
// number, or one too large to show, keeps the first-run figure and is named in notices; the
// stored text is kept for the user to see to.
void readAssumptions(IProfile &profile, DealRecord &record, std::vector<ReadNotice> *notices)
{
    forEachStoredField(projectionFields(), [&](const DealField &field, int loan) {
        Value &value = field.figure(record, loan);
        value.takeNumber(field.firstRunText().toDouble(), record.m_currency);
        const QString firstRun = plainNumber(value.m_value);
        const QString entry = field.entry(loan);
        const QString stored = profile.readString(ProjectionSection, entry, firstRun);
        const std::optional<double> number = readPlainNumber(stored, field.kind);
        if (number) {
            value.takeNumber(*number, record.m_currency);
            if (value.canShow(record.m_currency))
                return;
            value.takeNumber(field.firstRunText().toDouble(), record.m_currency);
        }
        if (notices)
            notices->push_back({number ? ReadNotice::FigureTooLarge : ReadNotice::NotANumber,
                                &field, noticeLoan(field, loan), 0, stored, entry, firstRun});
    });
}

// The offers compared, once the user has chosen them.
void readChoice(IProfile &profile, DealRecord &record)
{
    std::array<std::optional<double>, MAX_LOANS> entries{};
    for (int k = 0; k < MAX_LOANS; ++k) {
        bool ok = false;
        const double number = profile.readString(ProjectionSection, compareEntry(k)).toDouble(&ok);
        if (ok)
            entries[std::size_t(k)] = number;
    }
    record.m_compare = choiceOfEntries(entries);
}

// Where no choice is made, an earlier one stored is emptied, so that it does not come back.
void writeChoice(IProfile &profile, const DealRecord &record)
{
    const bool chosen = hasComparisonChoice(record);
    const ComparedOffers compared = comparedOffers(record);
    for (int k = 0; k < MAX_LOANS; ++k) {
        const QString entry = compareEntry(k);
        if (chosen)
            profile.writeString(ProjectionSection, entry, QString::number(int(compared[std::size_t(k)])));
        else if (!profile.readString(ProjectionSection, entry).isEmpty())
            profile.writeString(ProjectionSection, entry, QString());
    }
}

void writeAssumptions(IProfile &profile, const DealRecord &record,
                      const std::vector<ReadNotice> &refused)
{
    forEachStoredField(projectionFields(), [&](const DealField &field, int loan) {
        const QString entry = field.entry(loan);
        const QString text = plainNumber(field.figure(record, loan).m_value);
        if (!keepsStoredText(refused, entry, text))
            profile.writeString(ProjectionSection, entry, text);
    });
}

} // namespace

void ProfileStore::readSettings(IProfile &profile, AppSettings &settings)
{
    const AppSettings defaults = defaultSettings();
    for (const TextSetting &setting : TextSettings)
        settings.*setting.member = profile.readString(
            Section, QString::fromLatin1(setting.entry), defaults.*setting.member);
    for (const ColorSetting &setting : ColorSettings)
        settings.*setting.member = BgrColor(profile.readInt(
            Section, QString::fromLatin1(setting.entry), std::int32_t(defaults.*setting.member)));
}

void ProfileStore::writeSettings(IProfile &profile, const AppSettings &settings)
{
    for (const TextSetting &setting : TextSettings)
        profile.writeString(Section, QString::fromLatin1(setting.entry),
                                   settings.*setting.member);
    for (const ColorSetting &setting : ColorSettings)
        profile.writeInt(Section, QString::fromLatin1(setting.entry),
                                std::int32_t(settings.*setting.member));
}

void ProfileStore::readRecord(IProfile &profile, DealRecord &record,
                              std::vector<ReadNotice> *notices)
{
    FigureLocales locales = storedLocales(profile);
    // A profile of an earlier version names no currency: its deal is in that of the locale its
    // figures were written in.
    const QString currency = profile.readString(Section, CurrencyEntry);
    locales.currency = LocaleServices::isKnownCurrency(currency)
                           ? currency
                           : LocaleServices::localeCurrency(locales.money);
    record.m_currency = locales.currency;
    forEachStoredField([&](const DealField &field, int loan) {
        if (field.isText())
            readText(profile, field, loan, record, notices);
        else
            readFigure(profile, field, loan, record, locales, notices);
    });
    readAssumptions(profile, record, notices);
    readChoice(profile, record);
}

void ProfileStore::writeRecord(IProfile &profile, const DealRecord &record,
                               const std::vector<ReadNotice> &refused)
{
    forEachStoredField([&](const DealField &field, int loan) {
        const QString entry = field.entry(loan);
        const QString text = storedText(field, loan, record);
        if (!keepsStoredText(refused, entry, text))
            profile.writeString(Section, entry, text);
    });
    const FigureLocales written = FigureLocales::user(record.m_currency);
    profile.writeString(Section, LocaleEntry, written.toText());
    profile.writeString(Section, CurrencyEntry, written.currency);
    // The figures read right only beside the locales and the currency they were written with.
    QStringList figureEntries = {CurrencyEntry};
    forEachStoredField([&figureEntries](const DealField &field, int loan) {
        if (!field.isText())
            figureEntries << field.entry(loan);
    });
    profile.keepTogether(Section, LocaleEntry, figureEntries);
    writeAssumptions(profile, record, refused);
    writeChoice(profile, record);
}

namespace {
// A profile with nothing in it: every read yields its default.
class EmptyProfile final : public IProfile
{
public:
    QString readString(const QString &, const QString &, const QString &defaultValue) override
    {
        return defaultValue;
    }
    std::int32_t readInt(const QString &, const QString &, std::int32_t defaultValue) override
    {
        return defaultValue;
    }
    void writeString(const QString &, const QString &, const QString &) override {}
    void writeInt(const QString &, const QString &, std::int32_t) override {}
    bool flush() override { return true; }
};
} // namespace

DealRecord ProfileStore::firstRunRecord()
{
    EmptyProfile empty;
    DealRecord record;
    readRecord(empty, record);
    return record;
}

AppSettings ProfileStore::defaultSettings()
{
    return AppSettings::defaults(defaultCalculatorCommand());
}
