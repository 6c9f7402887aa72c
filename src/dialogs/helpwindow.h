// SPDX-License-Identifier: GPL-3.0-or-later
// "Nápověda": the user guide, carried inside the program, in its language.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace hx7 {

// A window of its own, not modal, so the guide can stay open beside the main window.
class THelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit THelpWindow(QWidget *parent = nullptr);
    // "cs", "en" or "de"; the guide of that language, from its start.
    void ShowGuide(const QString &language);
    QString Source() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Screenshots are wider than a comfortable window: each picture is shown at most as wide as the page.
    void FitPictures();
    QTextBrowser *TBnapoveda;
};

// The guide's start page in the resources: qrc:/guide/<language>/index.html.
QString GuideUrl(const QString &language);

} // namespace hx7
