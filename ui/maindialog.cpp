#include "ui/maindialog.h"

#include "ui/aboutdialog.h"
#include "ui/apphost.h"
#include "core/appsettings.h"
#include "core/dealfields.h"
#include "ui/dialogunits.h"
#include "exchange/exchangefile.h"
#include "ui/figuretext.h"
#include "ui/loananalysisdialog.h"
#include "platform/profile.h"
#include "ui/prompt.h"
#include "core/readnotice.h"
#include "report/report.h"
#include "ui/settingsdialog.h"
#include "platform/shell.h"
#include "ui_maindialog.h"
#include "ui/waitcursor.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWhatsThis>

#include <algorithm>
#include <limits>
#include <new>
#include <optional>

MainDialog::MainDialog(IAppHost &app, QWidget *parent)
    : QDialog(parent), m_app(app), m_ui(std::make_unique<Ui::MainDialog>())
{
    m_ui->setupUi(this);
    m_previous = m_ui->btnPrevious;
    m_next = m_ui->btnNext;

    setProperty("helpContext", QVariant::fromValue(HelpTopic::MainDialog));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    // Every edit as wide as the template's 115 dialog units, so both columns line up.
    const int editWidth = dialogUnitsX(font(), 115);
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        edit->setMinimumWidth(editWidth);
        // A line edit keeps 32767 characters by default; a figure pasted in is read whole.
        edit->setMaxLength(std::numeric_limits<int>::max());
    }
    createMenu();
    bindFields();
    describeValueEdits();
    connect(m_previous, &QPushButton::clicked, this, &MainDialog::onPrevious);
    connect(m_next, &QPushButton::clicked, this, &MainDialog::onNext);
}

MainDialog::~MainDialog() = default;

// Each field of the deal has its edit, named "edit" and the field's name in any case ("editPmi").
void MainDialog::bindFields()
{
    const QList<QLineEdit *> edits = findChildren<QLineEdit *>();
    for (const DealField &field : dealFields()) {
        const QString name = QStringLiteral("edit") + QLatin1String(field.name);
        const auto edit = std::find_if(edits.cbegin(), edits.cend(), [&name](QLineEdit *each) {
            return each->objectName().compare(name, Qt::CaseInsensitive) == 0;
        });
        Q_ASSERT_X(edit != edits.cend(), "MainDialog", "a field of the deal without its edit");
        if (edit != edits.cend())
            m_fieldEdits.push_back({*edit, &field});
    }
    for (const FieldEdit &bound : m_fieldEdits) {
        if (bound.field->isText())
            bindText(bound);
        else
            bindFigure(bound.edit);
    }
}

// The texts reach the record as they are typed: nothing parses them, so the record holds what
// the window shows even when the program ends with Escape or Enter from the edit. Longer texts
// are refused where they are read, so nothing typed here is ever cut later.
void MainDialog::bindText(const FieldEdit &bound)
{
    bound.edit->setMaxLength(MaxTextLength);
    const DealField *field = bound.field;
    connect(bound.edit, &QLineEdit::textChanged, this, [this, field](const QString &text) {
        QString &held = field->text(m_record, m_record.m_shownLoan);
        if (held == text)
            return;
        held = text;
        emit textsChanged();
    });
}

void MainDialog::bindFigure(QLineEdit *edit)
{
    edit->installEventFilter(this);
    // A figure of a right-to-left locale ("؜200,000.00 ج.م.‏") would turn a plain right
    // alignment into a left one; every figure stands at the right, whatever its text.
    edit->setAlignment(edit->alignment() | Qt::AlignAbsolute);
}

void MainDialog::showFields(bool perLoan)
{
    for (const FieldEdit &bound : m_fieldEdits) {
        if (bound.field->perLoan != perLoan)
            continue;
        if (bound.field->isText())
            bound.edit->setText(bound.field->text(m_record, m_record.m_shownLoan));
        else
            bound.edit->setText(shownFigure(
                bound.field->figure(m_record, m_record.m_shownLoan).format(m_record.m_currency)));
    }
}

void MainDialog::storeFields(bool perLoan)
{
    for (const FieldEdit &bound : m_fieldEdits) {
        if (bound.field->perLoan != perLoan)
            continue;
        if (bound.field->isText())
            bound.field->text(m_record, m_record.m_shownLoan) = bound.edit->text();
        else
            bound.edit->setText(shownFigure(bound.field->figure(m_record, m_record.m_shownLoan)
                                                .takeTyped(bound.edit->text(), m_record.m_currency)));
    }
}

QAction *MainDialog::addCommand(QMenu *menu, const QString &text, const QKeySequence &key,
                              void (MainDialog::*handler)())
{
    QAction *action = menu->addAction(text);
    action->setShortcut(key);
    // The keys work from every edit of this window, and never inside another modal window.
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void MainDialog::createMenu()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    layout()->setMenuBar(m_menuBar);

    QMenu *file = m_menuBar->addMenu(tr("&File"));
    addCommand(file, tr("&Create Report"), QKeySequence(Qt::Key_F5), &MainDialog::onCreateReport)
        ->setObjectName(QStringLiteral("actionCreateReport"));
    file->addSeparator();
    addCommand(file, tr("&Import Data..."), QKeySequence::Open, &MainDialog::onFileImport)
        ->setObjectName(QStringLiteral("actionImport"));
    addCommand(file, tr("&Export Data..."), QKeySequence::Save, &MainDialog::onFileExport)
        ->setObjectName(QStringLiteral("actionExport"));
    m_recentMenu = file->addMenu(tr("&Recent Files"));
    m_recentMenu->setObjectName(QStringLiteral("menuRecentFiles"));
    // Files gone since they were used are left out whenever the menu opens.
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainDialog::fillRecentMenu);
    file->addSeparator();
    addCommand(file, tr("E&xit"), {}, &MainDialog::onFileExit)
        ->setObjectName(QStringLiteral("actionExit"));

    QMenu *tools = m_menuBar->addMenu(tr("&Tools"));
    QAction *calculator = tools->addAction(tr("&Calculator"));
    calculator->setObjectName(QStringLiteral("actionCalculator"));
    calculator->setShortcut(QKeySequence(Qt::Key_F11));
    calculator->setShortcutContext(Qt::WindowShortcut);
    connect(calculator, &QAction::triggered, this, [this] { m_app.onToolsCalculator(); });
    tools->addSeparator();
    addCommand(tools, tr("&Settings..."), QKeySequence(Qt::Key_F12), &MainDialog::onToolsSettings)
        ->setObjectName(QStringLiteral("actionSettings"));
    tools->addSeparator();
    addCommand(tools, tr("Loan &Analysis..."), QKeySequence(Qt::CTRL | Qt::Key_L),
               &MainDialog::onToolsLoanAnalysis)
        ->setObjectName(QStringLiteral("actionLoanAnalysis"));

    QMenu *help = m_menuBar->addMenu(tr("&Help"));
    QAction *helpTopics = help->addAction(tr("&Help Topics"));
    helpTopics->setObjectName(QStringLiteral("actionHelpTopics"));
    // The menu shows F1, but the application object answers F1 itself with the help of the
    // dialog that has the focus; here the key acts only while the menu is open.
    helpTopics->setShortcut(QKeySequence::HelpContents);
    helpTopics->setShortcutContext(Qt::WidgetShortcut);
    connect(helpTopics, &QAction::triggered, this, [this] { m_app.onHelp(HelpTopic::MainDialog); });
    QAction *whatsThis = QWhatsThis::createAction(this);
    whatsThis->setObjectName(QStringLiteral("actionWhatsThis"));
    help->addAction(whatsThis);
    help->addSeparator();
    addCommand(help, tr("&About Zantoria"), {}, &MainDialog::onHelpAbout)
        ->setObjectName(QStringLiteral("actionAbout"));
}

int MainDialog::run()
{
    prepare();
    return exec();
}

void MainDialog::setRecord(const DealRecord &record)
{
    m_record = record;
    updateControls();
}

void MainDialog::describeValueEdits()
{
    for (const FieldEdit &bound : m_fieldEdits) {
        if (bound.field->toolTip)
            bound.edit->setToolTip(QCoreApplication::translate("MainDialog", bound.field->toolTip));
        if (bound.field->whatsThis)
            bound.edit->setWhatsThis(QCoreApplication::translate("MainDialog", bound.field->whatsThis));
    }
}

void MainDialog::prepare()
{
    m_ending = false;
    m_recentFiles.load(*m_app.services().profile);
    updateControls();
    m_ui->editDescription->setFocus(Qt::OtherFocusReason);
}

void MainDialog::updateControls()
{
    showFields(false);
    showLoan();
    emit recordChanged();
}

void MainDialog::showLoan()
{
    const int n = m_record.m_shownLoan;
    showFields(true);
    m_ui->groupLoan->setTitle(tr("Loan information (%1 of %2)").arg(QString::number(n + 1), QString::number(MAX_LOANS)));
    m_previous->setEnabled(n > 0);
    m_next->setEnabled(n < MAX_LOANS - 1);
}

void MainDialog::updateRecord()
{
    storeFields(false);
    storeLoan();
    emit recordChanged();
}

void MainDialog::storeLoan()
{
    storeFields(true);
}

void MainDialog::onPrevious()
{
    if (m_record.m_shownLoan > 0) {
        storeLoan();
        --m_record.m_shownLoan;
        showLoan();
    }
}

void MainDialog::onNext()
{
    if (m_record.m_shownLoan < MAX_LOANS - 1) {
        storeLoan();
        ++m_record.m_shownLoan;
        showLoan();
    }
}

Value &MainDialog::fieldOf(QLineEdit *edit)
{
    const auto bound = std::find_if(m_fieldEdits.cbegin(), m_fieldEdits.cend(),
                                    [edit](const FieldEdit &each) { return each.edit == edit; });
    Q_ASSERT(bound != m_fieldEdits.cend() && !bound->field->isText());
    return bound->field->figure(m_record, m_record.m_shownLoan);
}

void MainDialog::commitTypedFigure(QLineEdit *edit)
{
    edit->setText(shownFigure(fieldOf(edit).takeTyped(edit->text(), m_record.m_currency)));
    emit recordChanged();
}

bool MainDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Only the nine value edits are watched. Once the dialog is ending, leaving an edit changes
    // nothing: Enter and Escape end with the record as it stood.
    if (event->type() == QEvent::FocusOut && !m_ending)
        commitTypedFigure(static_cast<QLineEdit *>(watched));
    return QDialog::eventFilter(watched, event);
}

void MainDialog::onCreateReport()
{
    WaitCursor wait;
    updateRecord();
    QString path;
    if (!m_app.getDataFolder(&path))
        return;
    path = QDir(path).filePath(QStringLiteral("ZANT.htm"));
    Report report(m_record, m_app.settings());
    QString error;
    if (!report.create(path, &error)) {
        m_app.services().prompt->warn(error);
        return;
    }
    if (!m_app.services().shell->openDocument(path)) {
        m_app.services().prompt->messageBox(
            tr("The report was saved as %1, but no web browser could be started to show it. "
               "Open that file in your browser.")
                .arg(QDir::toNativeSeparators(path)),
            IPrompt::Buttons::Ok, IPrompt::Icon::Warning);
    }
}

namespace {
void reportOutOfMemory(IPrompt &prompt)
{
    prompt.messageBox(QCoreApplication::translate("MainDialog", "Out of memory."),
                      IPrompt::Buttons::Ok, IPrompt::Icon::Warning);
}
} // namespace

void MainDialog::onFileImport()
{
    const QString path = m_app.services().prompt->getOpenFileName(
        tr("Import Deal"), tr("ZANT Files (*.zant)"), ExchangeFile::DefaultExtension);
    if (!path.isEmpty() && importFile(path))
        rememberFile(path);
}

void MainDialog::openFile(const QString &path)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (info.isDir()) {
        m_app.services().prompt->messageBox(tr("%1 is a folder, not a deal file.").arg(shown),
                                            IPrompt::Buttons::Ok, IPrompt::Icon::Error);
        m_recentFiles.remove(path);
    } else if (info.exists() && !info.isFile()) {
        // Reading a pipe would wait for a writer with the window frozen.
        m_app.services().prompt->messageBox(
            tr("%1 is a pipe, socket or device, not a deal file.").arg(shown),
            IPrompt::Buttons::Ok, IPrompt::Icon::Error);
        m_recentFiles.remove(path);
    } else if (importFile(path)) {
        rememberFile(path);
    } else {
        m_recentFiles.remove(path);
    }
    m_recentFiles.save(*m_app.services().profile);
}

void MainDialog::openCommandLineFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    openFile(paths.constFirst());
    if (paths.size() > 1) {
        QStringList ignored = paths.mid(1);
        for (QString &path : ignored)
            path = QDir::toNativeSeparators(path);
        m_app.services().prompt->messageBox(
            tr("Zantoria opens one deal file at a time. These were not opened:\n%1")
                .arg(ignored.join(QLatin1Char('\n'))),
            IPrompt::Buttons::Ok, IPrompt::Icon::Warning);
    }
}

// True when the file could be read, even if a faulty line ended the import early.
bool MainDialog::importFile(const QString &path)
{
    IPrompt &prompt = *m_app.services().prompt;
    QString error;
    bool faultyLine = false;
    bool read = false;
    std::vector<ReadNotice> notices;
    bool outOfMemory = false;
    {
        WaitCursor wait;
        try {
            read = ExchangeFile::read(m_record, path, &error, &notices, &faultyLine);
        } catch (const std::bad_alloc &) {
            outOfMemory = true;
        }
    }
    const bool fileError = !read && !faultyLine && !outOfMemory;
    if (!notices.empty()) {
        QStringList messages;
        for (const ReadNotice &notice : notices)
            messages.append(notice.message());
        prompt.messageBox(tr("Some entries of '%1' were not read:\n\n%2")
                              .arg(path, messages.join(QLatin1Char('\n'))),
                          IPrompt::Buttons::Ok, IPrompt::Icon::Warning);
    }
    if (faultyLine)
        prompt.messageBox(error, IPrompt::Buttons::Ok, IPrompt::Icon::Error);
    if (fileError)
        prompt.warn(error);
    if (outOfMemory)
        reportOutOfMemory(prompt);
    // What was read before a faulty line stays, and the edits show it.
    updateControls();
    return !fileError && !outOfMemory;
}

void MainDialog::onFileExport()
{
    (void)exportDeal();
}

bool MainDialog::exportDeal()
{
    updateRecord();
    IPrompt &prompt = *m_app.services().prompt;
    const QString path = prompt.getSaveFileName(tr("Export Deal"), tr("ZANT Files (*.zant)"),
                                                ExchangeFile::DefaultExtension);
    if (path.isEmpty())
        return false;
    QString error;
    bool written = false;
    bool outOfMemory = false;
    {
        WaitCursor wait;
        try {
            written = ExchangeFile::write(m_record, path, &error);
        } catch (const std::bad_alloc &) {
            // The earlier file stays: the export replaces it only once all is written.
            outOfMemory = true;
        }
    }
    if (outOfMemory)
        reportOutOfMemory(prompt);
    else if (!written)
        prompt.warn(error);
    else
        rememberFile(path);
    return written;
}

void MainDialog::rememberFile(const QString &path)
{
    m_recentFiles.add(path);
    m_recentFiles.save(*m_app.services().profile);
}

void MainDialog::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = m_recentFiles.files();
    for (int i = 0; i < files.size(); ++i) {
        QString name = QDir::toNativeSeparators(files.at(i));
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        connect(action, &QAction::triggered, this, [this, path = files.at(i)] {
            openFile(path);
        });
    }
    if (!files.isEmpty())
        m_recentMenu->addSeparator();
    QAction *clear = m_recentMenu->addAction(tr("&Clear List"), this, [this] {
        m_recentFiles.clear();
        m_recentFiles.save(*m_app.services().profile);
    });
    clear->setEnabled(!files.isEmpty());
}

void MainDialog::onFileExit()
{
    updateRecord();
    accept();
}

void MainDialog::onToolsLoanAnalysis()
{
    // One window, kept up to date with the record; asked for again, it comes to the front.
    if (!m_analysis) {
        m_analysis = new LoanAnalysisDialog(m_record, *m_app.services().prompt, this);
        m_analysis->setAttribute(Qt::WA_DeleteOnClose);
        connect(this, &MainDialog::recordChanged, m_analysis, &LoanAnalysisDialog::refresh);
        connect(this, &MainDialog::textsChanged, m_analysis, &LoanAnalysisDialog::showNames);
    }
    m_analysis->show();
    m_analysis->raise();
    m_analysis->activateWindow();
}

void MainDialog::onToolsSettings()
{
    SettingsDialog dlg(*m_app.services().prompt, this);
    dlg.setSettings(m_app.settings());
    // Cancelled settings change nothing; confirmed ones apply from the next report.
    if (dlg.exec() == QDialog::Accepted)
        m_app.settings() = dlg.settings();
}

void MainDialog::onHelpAbout()
{
    AboutDialog about(*m_app.services().shell, this);
    about.exec();
}

void MainDialog::closeEvent(QCloseEvent *event)
{
    updateRecord();
    QDialog::closeEvent(event);
}

void MainDialog::keyPressEvent(QKeyEvent *event)
{
    // Enter ends the dialog unless a push button has the focus, which it then presses.
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
                button->click();
            else
                accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void MainDialog::contextMenuEvent(QContextMenuEvent *event)
{
    // Linux window managers own the window menu; its About entry lives here instead.
    QMenu menu(this);
    menu.addAction(tr("&About ZANT..."), this, &MainDialog::onHelpAbout);
    menu.exec(event->globalPos());
}

void MainDialog::done(int result)
{
    // A figure typed into the edit that still has the focus is kept, as if the edit had lost it
    // first; after this, leaving an edit changes nothing.
    if (!m_ending) {
        const auto typing = std::find_if(m_fieldEdits.cbegin(), m_fieldEdits.cend(),
                                         [this](const FieldEdit &each) {
                                             return !each.field->isText() && each.edit->hasFocus();
                                         });
        if (typing != m_fieldEdits.cend())
            commitTypedFigure(typing->edit);
    }
    m_ending = true;
    QDialog::done(result);
}
