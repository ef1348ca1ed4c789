#pragma once

#include <QLabel>

namespace orbanil {

// A label of one line that draws a text too long for it cut short with "…" and shows the
// whole text as its tooltip; text() keeps the whole text, for screen readers and tests.
class ElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent);

    // Whether the text is drawn cut short.
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    // How the text is drawn and measured.
    int textFlags() const;
};

} // namespace orbanil
