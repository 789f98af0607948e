#include "app/zantapp.h"

#include "exchange/exchangefile.h"
#include "textio/fileexception.h"
#include "platform/folders.h"
#include "platform/help.h"
#include "platform/profile.h"
#include "platform/profilestore.h"
#include "ui/prompt.h"
#include "platform/shell.h"
#include "ui/waitcursor.h"
#include "ui/zantdlg.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTimer>
#include <QVariant>

#include <new>

CZANTApp::CZANTApp(const CPlatformServices &services) : m_services(services) {}

CZANTApp::~CZANTApp() = default;

bool CZANTApp::run()
{
    CZANTDlg dlg(*this);
    m_mainWindow = &dlg;

    QString dataFolder;
    if (GetDataFolder(dataFolder))
        QDir::setCurrent(dataFolder);

    ProfileStore::ReadSettings(*m_services.profile, *this);
    std::vector<ReadNotice> refused;
    ProfileStore::ReadRecord(*m_services.profile, dlg, &refused);
    if (!refused.empty()) {
        QStringList messages;
        for (const ReadNotice &notice : refused)
            messages.append(notice.Message());
        QTimer::singleShot(0, &dlg, [prompt = m_services.prompt, text = messages.join(QStringLiteral("\n\n"))] {
            prompt->MessageBox(text, IPrompt::Buttons::Ok, IPrompt::Icon::Warning);
        });
    }

    // Opened from the dialog's own loop, so that messages about the files have it as their owner.
    if (!m_filesToOpen.isEmpty())
        QTimer::singleShot(0, &dlg, [&dlg, files = m_filesToOpen] { dlg.OpenCommandLineFiles(files); });
    qApp->installEventFilter(this);
    dlg.run();
    qApp->removeEventFilter(this);

    ProfileStore::WriteSettings(*m_services.profile, *this);
    ProfileStore::WriteRecord(*m_services.profile, dlg, refused);
    SaveProfile(dlg);
    m_mainWindow = nullptr;
    return false;
}

void CZANTApp::SaveProfile(CZANTDlg &dlg)
{
    IPrompt &prompt = *m_services.prompt;
    while (!m_services.profile->Flush()) {
        const int answer = prompt.MessageBox(
            tr("Your figures and settings could not be saved: the disk may be full, or the "
               "settings folder may not be writable.\n\n"
               "Make room and choose Retry, choose Export to keep the deal in a file of your "
               "choice, or choose Discard to end without them."),
            IPrompt::Buttons::RetryExportDiscard, IPrompt::Icon::Warning);
        if (answer == IPrompt::Retry)
            continue;
        if (answer != IPrompt::Export || ExportDeal(dlg))
            return;
    }
}

bool CZANTApp::ExportDeal(CZANTDlg &dlg)
{
    IPrompt &prompt = *m_services.prompt;
    const QString path =
        prompt.GetSaveFileName(QCoreApplication::translate("CZANTDlg", "Export Deal"),
                               QCoreApplication::translate("CZANTDlg", "ZANT Files (*.zant)"),
                               ExchangeFile::DefaultExtension);
    if (path.isEmpty())
        return false;
    try {
        CWaitCursor wait;
        ExchangeFile::Export(dlg, path);
        return true;
    } catch (const CFileException &exception) {
        prompt.Warn(exception.Message());
    } catch (const std::bad_alloc &) {
        prompt.MessageBox(QCoreApplication::translate("CZANTDlg", "Out of memory."),
                          IPrompt::Buttons::Ok, IPrompt::Icon::Warning);
    }
    return false;
}

bool CZANTApp::GetDataFolder(QString &path)
{
    const QString documents = m_services.folders->DocumentsFolder();
    if (documents.isEmpty()) {
        path.clear();
        return false;
    }
    path = QDir(documents).filePath(QStringLiteral("ZANT"));
    // Whatever already bears the name counts as the folder: should it be a file, writing into
    // it fails, and that failure names the path, which tells the user what is in the way.
    const QFileInfo existing(path);
    return existing.exists() || existing.isSymLink() || QDir(documents).mkdir(QStringLiteral("ZANT"));
}

void CZANTApp::OnToolsCalculator()
{
    if (m_services.shell->StartProgram(m_calculatorCommand))
        return;
    const QString text = m_calculatorCommand.trimmed().isEmpty()
        ? tr("No calculator command is set. Name your calculator program in the settings (F12).")
        : tr("The calculator \"%1\" could not be started. Name a calculator program installed on "
             "this computer, without arguments, in the settings (F12).")
              .arg(m_calculatorCommand);
    m_services.prompt->MessageBox(text, IPrompt::Buttons::Ok, IPrompt::Icon::Warning);
}

void CZANTApp::OnHelp(HelpTopic topic)
{
    m_services.shell->OpenUrl(HelpTopicUrl(topic));
}

bool CZANTApp::eventFilter(QObject *watched, QEvent *event)
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
                    OnHelp(topic.value<HelpTopic>());
                    return true;
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
