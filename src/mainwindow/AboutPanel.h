#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class SkinnedWindow;

// Body_About: the product's name and version and the link to the maker's
// web page (lbl_QVURL), which runs OpenWebPage.
class AboutPanel : public QWidget
{
    Q_OBJECT
public:
    AboutPanel(SkinnedWindow &window, QWidget *parent);

    void setProductName(const QString &name);
    QLabel *link() const { return m_link; }

    void lbl_QVURL_Click();
    // What Tab stops at: the link, which Enter or Space follows.
    QList<QWidget *> focusStops() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_name = nullptr;
    QLabel *m_link = nullptr;
};
