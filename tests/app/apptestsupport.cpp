#include "apptestsupport.h"

#include <QTableView>

#include "ui/loananalysisdialog.h"
#include "ui/maindialog.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {
int g_fixtureCount = 0;
}

AppFixture::AppFixture()
    : m_folders(QString()),
      m_profileName(QStringLiteral("zantoria-test-%1-%2")
                        .arg(QCoreApplication::applicationPid())
                        .arg(++g_fixtureCount))
{
    m_startDir = QDir::currentPath();
    QStandardPaths::setTestModeEnabled(true);
    m_folders.m_path = m_documents.path();
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quenwick"),
              m_profileName)
        .clear();
    reopenProfile();
}

AppFixture::~AppFixture()
{
    const QString file = m_profile->fileName();
    m_app.reset();
    m_profile.reset();
    QFile::remove(file);
    QDir::setCurrent(m_startDir);
}

void AppFixture::reopenProfile()
{
    m_app.reset();
    m_profile.reset();
    m_profile = std::make_unique<SettingsProfile>(m_profileName);
    m_app = std::make_unique<ZantoriaApp>(
        PlatformServices{&m_shell, &m_folders, m_profile.get(), &m_prompt});
}

void AppFixture::run(const std::function<void(MainDialog &)> &script)
{
    QTimer::singleShot(0, m_app.get(), [this, script] {
        MainDialog *dlg = m_app->mainWindow();
        if (!dlg)
            return;
        script(*dlg);
        if (dlg->isVisible())
            dlg->reject();
    });
    m_app->run();
}

bool activateAndWait(QWidget &window)
{
    window.activateWindow();
    return QTest::qWaitFor([&window] { return window.isActiveWindow(); });
}

QLineEdit *editNamed(QWidget &dlg, const char *name)
{
    return dlg.findChild<QLineEdit *>(QString::fromLatin1(name));
}

QPushButton *button(QWidget &dlg, const char *name)
{
    return dlg.findChild<QPushButton *>(QString::fromLatin1(name));
}

bool trigger(QWidget &dlg, const char *action)
{
    QAction *command = dlg.findChild<QAction *>(QString::fromLatin1(action));
    if (!command)
        return false;
    command->trigger();
    return true;
}

LoanAnalysisDialog *openAnalysis(AppFixture &fixture, MainDialog &dlg, const QString &dealFile)
{
    fixture.m_prompt.setNextFileName(dealFile);
    if (!trigger(dlg, "actionImport") || !activateAndWait(dlg))
        return nullptr;
    QTest::keyClick(editNamed(dlg, "editDescription"), Qt::Key_L, Qt::ControlModifier);
    auto *window = dlg.findChild<LoanAnalysisDialog *>();
    if (!window || !activateAndWait(*window))
        return nullptr;
    return window;
}

ShownCell cellIn(const QTableView &view, const QString &rowLabel, int column)
{
    const QAbstractItemModel &model = *view.model();
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.headerData(row, Qt::Vertical).toString() == rowLabel)
            return {model.index(row, column)};
    }
    return {};
}

QString columnHeader(const QTableView &view, int column, int role)
{
    return view.model()->headerData(column, Qt::Horizontal, role).toString();
}
