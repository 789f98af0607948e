#include "app/zantoriaapp.h"

#include "platform/folders.h"
#include "platform/help.h"
#include "platform/profile.h"
#include "platform/profilestore.h"
#include "ui/prompt.h"
#include "platform/shell.h"
#include "ui/maindialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <QVariant>

#include <new>

ZantoriaApp::ZantoriaApp(const PlatformServices &services) : m_services(services) {}

ZantoriaApp::~ZantoriaApp() = default;

bool ZantoriaApp::run()
{
    MainDialog dlg(*this);
    m_mainWindow = &dlg;

    QString dataFolder;
    if (getDataFolder(&dataFolder))
        QDir::setCurrent(dataFolder);

    ProfileStore::readSettings(*m_services.profile, m_settings);
    std::vector<ReadNotice> refused;
    DealRecord record;
    ProfileStore::readRecord(*m_services.profile, record, &refused);
    dlg.setRecord(record);
    if (!refused.empty()) {
        QStringList messages;
        for (const ReadNotice &notice : refused)
            messages.append(notice.message());
        QTimer::singleShot(0, &dlg, [prompt = m_services.prompt, text = messages.join(QStringLiteral("\n\n"))] {
            prompt->messageBox(text, IPrompt::Buttons::Ok, IPrompt::Icon::Warning);
        });
    }

    // Opened from the dialog's own loop, so that messages about the files have it as their owner.
    if (!m_filesToOpen.isEmpty())
        QTimer::singleShot(0, &dlg, [&dlg, files = m_filesToOpen] { dlg.openCommandLineFiles(files); });
    qApp->installEventFilter(this);
    dlg.run();
    qApp->removeEventFilter(this);

    ProfileStore::writeSettings(*m_services.profile, m_settings);
    ProfileStore::writeRecord(*m_services.profile, dlg.record(), refused);
    saveProfile(dlg);
    m_mainWindow = nullptr;
    return false;
}

void ZantoriaApp::saveProfile(MainDialog &dlg)
{
    IPrompt &prompt = *m_services.prompt;
    while (!m_services.profile->flush()) {
        const IPrompt::Answer answer = prompt.messageBox(
            tr("Your figures and settings could not be saved: the disk may be full, or the "
               "settings folder may not be writable.\n\n"
               "Make room and choose Retry, choose Export to keep the deal in a file of your "
               "choice, or choose Discard to end without them."),
            IPrompt::Buttons::RetryExportDiscard, IPrompt::Icon::Warning);
        if (answer == IPrompt::Answer::Retry)
            continue;
        if (answer != IPrompt::Answer::Export || dlg.exportDeal())
            return;
    }
}

bool ZantoriaApp::getDataFolder(QString *path)
{
    const QString documents = m_services.folders->documentsFolder();
    if (documents.isEmpty()) {
        path->clear();
        return false;
    }
    *path = QDir(documents).filePath(QStringLiteral("ZANT"));
    // Whatever already bears the name counts as the folder: should it be a file, writing into
    // it fails, and that failure names the path, which tells the user what is in the way.
    const QFileInfo existing(*path);
    return existing.exists() || existing.isSymLink() || QDir(documents).mkdir(QStringLiteral("ZANT"));
}

void ZantoriaApp::onToolsCalculator()
{
    if (m_services.shell->startProgram(m_settings.m_calculatorCommand))
        return;
    const QString text = m_settings.m_calculatorCommand.trimmed().isEmpty()
        ? tr("No calculator command is set. Name your calculator program in the settings (F12).")
        : tr("The calculator \"%1\" could not be started. Name a calculator program installed on "
             "this computer, without arguments, in the settings (F12).")
              .arg(m_settings.m_calculatorCommand);
    m_services.prompt->messageBox(text, IPrompt::Buttons::Ok, IPrompt::Icon::Warning);
}

void ZantoriaApp::onHelp(HelpTopic topic)
{
    m_services.shell->openUrl(helpTopicUrl(topic));
}

bool ZantoriaApp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            QWidget *widget = QApplication::focusWidget();
            if (!widget)
                widget = QApplication::activeWindow();
            for (; widget; widget = widget->parentWidget()) {
                const QVariant topic = widget->property("helpContext");
                if (topic.canConvert<HelpTopic>()) {
                    onHelp(topic.value<HelpTopic>());
                    return true;
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
