// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide window.
#include "helpwindow.h"

#include "dialogparts.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace hx7 {

QString GuideUrl(const QString &language)
{
    return QStringLiteral("qrc:/guide/%1/index.html")
        .arg(language == QLatin1String("en") ? language : QStringLiteral("cs"));
}

THelpWindow::THelpWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("THelpWindow"));
    setWindowTitle(tr("Nápověda"));
    setModal(false);
    TBnapoveda = Named(new QTextBrowser(this), "TBnapoveda");
    // Links inside the guide move within it; a link out of it (a web page) opens in the browser.
    TBnapoveda->setOpenExternalLinks(true);
    auto *BTzavrit = Named(new QPushButton(tr("Zavřít"), this), "BTzavrit");
    BTzavrit->setDefault(true);
    connect(BTzavrit, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TBnapoveda);
    layout->addLayout(Row({nullptr, BTzavrit}));
    resize(760, 640);
}

void THelpWindow::ShowGuide(const QString &language)
{
    TBnapoveda->setSource(QUrl(GuideUrl(language)));
    show();
    raise();
    activateWindow();
}

QString THelpWindow::Source() const
{
    return TBnapoveda->source().toString();
}

} // namespace hx7
