// SPDX-License-Identifier: GPL-3.0-or-later
// The user guide window.
#include "helpwindow.h"

#include "dialogparts.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QVBoxLayout>

namespace hx7 {

QString GuideUrl(const QString &language)
{
    // A language's guide is the one carried for it; Czech, the program's own, where there is none.
    const bool carried = QFile::exists(QStringLiteral(":/guide/%1/index.html").arg(language));
    return QStringLiteral("qrc:/guide/%1/index.html").arg(carried ? language : QStringLiteral("cs"));
}

namespace {
// The browser hands a picture over as the file's bytes until the page has been laid out once.
QImage Picture(QTextDocument *document, const QString &name)
{
    const QVariant resource = document->resource(QTextDocument::ImageResource, QUrl(name));
    if (resource.typeId() == QMetaType::QByteArray)
        return QImage::fromData(resource.toByteArray());
    return resource.value<QImage>();
}
} // namespace

THelpWindow::THelpWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("THelpWindow"));
    setWindowTitle(tr("Nápověda"));
    setModal(false);
    TBnapoveda = Named(new QTextBrowser(this), "TBnapoveda");
    // Links inside the guide move within it; a link out of it (a web page) opens in the browser.
    TBnapoveda->setOpenExternalLinks(true);
    TBnapoveda->viewport()->installEventFilter(this);
    connect(TBnapoveda, &QTextBrowser::sourceChanged, this, &THelpWindow::FitPictures);
    // Laid out anew (a page loaded, pictures fitted, the width changed): fit again with where each paragraph
    // begins now. It settles: a second pass finds every picture already at its width and changes nothing.
    connect(TBnapoveda->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &THelpWindow::FitPictures, Qt::QueuedConnection);
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

bool THelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    // After the page has been laid out at its new width: a picture's room depends on where its paragraph begins.
    if (watched == TBnapoveda->viewport() && event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, &THelpWindow::FitPictures, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void THelpWindow::FitPictures()
{
    QTextDocument *document = TBnapoveda->document();
    // What is left for a picture of the browser's width without its frame, the vertical scroll bar (the guide is
    // longer than any window; counted whether it shows yet or not), the page's margins, the picture's border and
    // the indent of the paragraph it stands in (the page's own margins, a list item's), on both sides, as the page
    // was laid out last.
    const int scrollBar = TBnapoveda->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, TBnapoveda);
    const int room =
        std::max(100, TBnapoveda->contentsRect().width() - scrollBar - 2 * int(document->documentMargin()) - 8);
    struct Change {
        int from, to;
        QTextImageFormat picture;
    };
    QList<Change> changes; // made after the walk: a change of format may merge the fragments walked over
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *lines = block.layout();
        const double indent = lines && lines->lineCount() > 0
                                  ? lines->lineAt(0).naturalTextRect().left() - document->documentMargin()
                                  : 0.0;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextImageFormat picture = it.fragment().charFormat().toImageFormat();
            const QImage image = picture.isValid() ? Picture(document, picture.name()) : QImage();
            const int width = std::min(image.width(), std::max(100, room - 2 * int(indent)));
            if (image.isNull() || qRound(picture.width()) == width)
                continue;
            picture.setWidth(width);
            picture.setHeight(double(image.height()) * width / image.width());
            changes.append({it.fragment().position(), it.fragment().position() + it.fragment().length(), picture});
        }
    }
    QTextCursor cursor(document);
    for (const Change &c : changes) {
        cursor.setPosition(c.from);
        cursor.setPosition(c.to, QTextCursor::KeepAnchor);
        cursor.setCharFormat(c.picture);
    }
}

QString THelpWindow::Source() const
{
    return TBnapoveda->source().toString();
}

} // namespace hx7
