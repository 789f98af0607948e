#include "ui/widgetprompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// The message boxes on Qt Widgets answer with the button the user pressed.
class TestWidgetPrompt : public QObject
{
    Q_OBJECT

private slots:
    void retryExportDiscard_data();
    void retryExportDiscard();
};

namespace {
// Acts on the message box once it shows.
void whenShown(const std::function<void(QMessageBox &)> &act)
{
    QTimer::singleShot(0, [act] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            whenShown(act);
            return;
        }
        act(*box);
    });
}
} // namespace

void TestWidgetPrompt::retryExportDiscard_data()
{
    QTest::addColumn<QString>("button"); // pressed by its text, or a key when it names none
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    QTest::newRow("Retry") << "Retry" << 0 << int(IPrompt::Answer::Retry);
    QTest::newRow("Export") << "&Export..." << 0 << int(IPrompt::Answer::Export);
    QTest::newRow("Discard") << "Discard" << 0 << int(IPrompt::Answer::Cancel);
    QTest::newRow("Escape") << QString() << int(Qt::Key_Escape) << int(IPrompt::Answer::Cancel);
    QTest::newRow("Enter") << QString() << int(Qt::Key_Return) << int(IPrompt::Answer::Retry);
}

void TestWidgetPrompt::retryExportDiscard()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, answer);
    QStringList buttons;
    whenShown([&](QMessageBox &box) {
        for (QAbstractButton *each : box.buttons())
            buttons << each->text();
        if (key != 0) {
            QTest::keyClick(&box, Qt::Key(key));
            return;
        }
        for (QAbstractButton *each : box.buttons()) {
            if (each->text() == button) {
                each->click();
                return;
            }
        }
        box.reject();
    });
    WidgetPrompt prompt;
    QCOMPARE(prompt.messageBox(QStringLiteral("Not saved."), IPrompt::Buttons::RetryExportDiscard,
                               IPrompt::Icon::Warning),
             IPrompt::Answer(answer));
    buttons.sort();
    QCOMPARE(buttons, QStringList({QStringLiteral("&Export..."), QStringLiteral("Discard"),
                                   QStringLiteral("Retry")}));
}

QTEST_MAIN(TestWidgetPrompt)
#include "tst_widgetprompt.moc"
