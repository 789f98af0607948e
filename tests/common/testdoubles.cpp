#include "testdoubles.h"

namespace {
QString key(const QString &section, const QString &entry)
{
    return section + QLatin1Char('/') + entry;
}
} // namespace

QString MemoryProfile::readString(const QString &section, const QString &entry,
                                         const QString &defaultValue)
{
    return m_values.value(key(section, entry), defaultValue);
}

std::int32_t MemoryProfile::readInt(const QString &section, const QString &entry,
                                           std::int32_t defaultValue)
{
    bool ok = false;
    const int value = m_values.value(key(section, entry)).toInt(&ok);
    return ok ? value : defaultValue;
}

void MemoryProfile::writeString(const QString &section, const QString &entry,
                                        const QString &value)
{
    m_values.insert(key(section, entry), value);
}

void MemoryProfile::writeInt(const QString &section, const QString &entry,
                                     std::int32_t value)
{
    m_values.insert(key(section, entry), QString::number(value));
}

IPrompt::Answer ScriptedPrompt::messageBox(const QString &text, Buttons buttons, Icon icon)
{
    m_messages.append({text, buttons, icon});
    if (m_onMessageBox)
        m_onMessageBox();
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    switch (buttons) {
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::RetryExportDiscard:
        return Answer::Cancel;
    case Buttons::Ok:
        break;
    }
    return Answer::Ok;
}

QString ScriptedPrompt::getSaveFileName(const QString &title, const QString &filter, const QString &)
{
    m_fileTitles.append(title);
    m_fileFilters.append(filter);
    return m_fileNames.isEmpty() ? QString() : m_fileNames.dequeue();
}

QString ScriptedPrompt::getOpenFileName(const QString &title, const QString &filter, const QString &)
{
    m_fileTitles.append(title);
    m_fileFilters.append(filter);
    return m_fileNames.isEmpty() ? QString() : m_fileNames.dequeue();
}
