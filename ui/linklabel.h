#pragma once

#include <QLabel>

// A label that shows links and selects its first (or, going back, its last) link as it takes
// the focus from the keyboard, so that one Tab reaches the link and Enter opens it.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
};
