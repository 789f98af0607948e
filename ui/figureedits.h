#pragma once

#include <QObject>

#include <vector>

struct DealField;
struct DealRecord;
class QLineEdit;
class QWidget;

// The Loan Analysis window's edits of the record's assumptions and extra payments, on the
// Projection and the Scenarios pages. A figure is taken as the main window takes its figures:
// when its edit loses the focus, or on Enter, which here takes the figure and presses no button.
class FigureEdits : public QObject
{
    Q_OBJECT

public:
    struct Bound
    {
        const DealField *field;
        int loan;
        QLineEdit *edit;
    };

    explicit FigureEdits(DealRecord &record, QObject *parent = nullptr);
    ~FigureEdits() override;

    // An edit of the loan's figure of the field, its definition as tooltip and What's This.
    [[nodiscard]] QLineEdit *add(const DealField &field, int loan, QWidget *parent);
    // Every edit, in the order they were added.
    [[nodiscard]] const std::vector<Bound> &all() const { return m_edits; }
    // Shows the record's figures; what the user is typing stays until the edit is left.
    void show();

signals:
    // A figure taken has changed the record.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void take(QLineEdit *edit);

    DealRecord &m_record;
    std::vector<Bound> m_edits;
};
