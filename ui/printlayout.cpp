#include "ui/printlayout.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cmath>
#include <vector>

namespace {

std::vector<QTextTable *> tablesOf(QTextFrame *frame)
{
    std::vector<QTextTable *> tables;
    for (QTextFrame *child : frame->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(child))
            tables.push_back(table);
    }
    return tables;
}

double widthOf(QTextDocument &document, QTextFrame *frame)
{
    return document.documentLayout()->frameBoundingRect(frame).width();
}

// Sets every character of the table in size points, nested tables included.
void setTableType(QTextTable *table, double size)
{
    QTextCursor cursor(table->document());
    cursor.setPosition(table->firstPosition());
    cursor.setPosition(table->lastPosition(), QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontPointSize(size);
    cursor.mergeCharFormat(format);
}

void fitWidths(QTextDocument &document)
{
    const double page = document.pageSize().width();
    const double normal = document.defaultFont().pointSizeF();
    for (QTextTable *table : tablesOf(document.rootFrame())) {
        for (double size = normal - 0.5; widthOf(document, table) > page && size >= SmallestPrintedPoints;
             size -= 0.5)
            setTableType(table, size);
        // A table laid out at the whole page draws its border just beyond it: a width of its own,
        // inside the border, keeps it on the page.
        if (widthOf(document, table) > page) {
            QTextTableFormat format = table->format();
            format.setWidth(QTextLength(QTextLength::FixedLength, page - 2 * format.border() - 2));
            table->setFormat(format);
        }
    }
}

// The page a document's y falls on.
int pageOf(const QTextDocument &document, double y)
{
    return int(std::floor(y / document.pageSize().height()));
}

// Where what follows a heading has begun: a table's header and a few rows, or its end when it is
// shorter.
double begunAt(QTextDocument &document, const QTextFrame::iterator &next)
{
    const double lines = 5 * QFontMetricsF(document.defaultFont()).lineSpacing();
    QRectF rect;
    if (QTextFrame *frame = next.currentFrame())
        rect = document.documentLayout()->frameBoundingRect(frame);
    else
        rect = document.documentLayout()->blockBoundingRect(next.currentBlock());
    return rect.top() + std::min(rect.height(), lines);
}

bool isHeading(const QTextBlock &block)
{
    return block.isValid() && block.blockFormat().headingLevel() > 0;
}

// A line or two of text, such as a table's caption: it stays with what follows it as well.
bool isCaption(const QTextFrame::iterator &item)
{
    const QTextBlock block = item.currentBlock();
    return block.isValid() && !isHeading(block) && block.layout()->lineCount() <= 3
           && !block.text().contains(QChar::ObjectReplacementCharacter);
}

// What a heading introduces: the first table, picture or longer text after it and its captions.
QTextFrame::iterator introduced(QTextFrame::iterator next)
{
    QTextFrame::iterator item = next;
    while (!item.atEnd() && isCaption(item)) {
        QTextFrame::iterator after = item;
        ++after;
        if (after.atEnd())
            return next;
        item = after;
    }
    return item.atEnd() ? next : item;
}

// Moves a heading left alone at the bottom of a page, or a table begun there, to the next
// page. Each move shifts what follows, so the layout is asked again for every item.
void keepWithWhatFollows(QTextDocument &document)
{
    QTextFrame *root = document.rootFrame();
    for (QTextFrame::iterator it = root->begin(); !it.atEnd(); ++it) {
        QTextFrame::iterator next = it;
        ++next;
        if (next.atEnd())
            break;
        const QTextBlock block = it.currentBlock();
        if (isHeading(block)) {
            const QRectF heading = document.documentLayout()->blockBoundingRect(block);
            if (pageOf(document, heading.top()) != pageOf(document, begunAt(document, introduced(next)))) {
                QTextCursor cursor(block);
                QTextBlockFormat format = block.blockFormat();
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                cursor.setBlockFormat(format);
            }
        } else if (auto *table = qobject_cast<QTextTable *>(it.currentFrame())) {
            const QRectF rect = document.documentLayout()->frameBoundingRect(table);
            if (pageOf(document, rect.top()) != pageOf(document, begunAt(document, it))) {
                QTextTableFormat format = table->format();
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                table->setFormat(format);
            }
        }
    }
}

} // namespace

void fitToPages(QTextDocument &document)
{
    fitWidths(document);
    keepWithWhatFollows(document);
}
