#include "ProgressReport.h"

#include "ProgressTexts.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Sizes in points (1/72 in), the painter being scaled to them.
constexpr qreal TitleSize = 18;
constexpr qreal HeadingSize = 13;
constexpr qreal BodySize = 10.5;
constexpr qreal ChartTrack = 190;
constexpr qreal ScopeScale = 0.75; // a screen pixel as a point at 96 per inch
constexpr qreal ParagraphGap = 8;
constexpr qreal SectionGap = 16;
constexpr int MarginMillimetres = 20;

QFont reportFont(qreal size, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qRound(size)); // in points: the painter is scaled to them
    font.setBold(bold);
    return font;
}

// Lays the report out from top to bottom, page by page.
class ReportPage {
public:
    explicit ReportPage(QPdfWriter& writer)
        : m_writer(writer)
        , m_painter(&writer)
    {
        const qreal toPoints = writer.resolution() / 72.0;
        m_painter.scale(toPoints, toPoints);
        m_width = writer.width() / toPoints;
        m_height = writer.height() / toPoints;
    }

    qreal width() const { return m_width; }

    // A paragraph, wrapped to the page's width.
    void text(const QString& text, const QFont& font, qreal gapAfter = ParagraphGap)
    {
        m_painter.setFont(font);
        const QRectF room(0, m_y, m_width, m_height);
        const QRectF used = m_painter.boundingRect(room, Qt::TextWordWrap, text);
        m_painter.setPen(Qt::black);
        m_painter.drawText(QRectF(0, m_y, m_width, used.height()), Qt::TextWordWrap, text);
        m_y += used.height() + gapAfter;
    }

    void chart(const std::vector<ChartBar>& bars)
    {
        const QFont font = reportFont(BodySize);
        BarChart::paint(m_painter, QPointF(0, m_y), bars, font, ChartTrack, 0);
        m_y += BarChart::sizeFor(bars, font, ChartTrack).height() + SectionGap;
    }

    // Starts a new page unless `height` still fits on this one.
    void keepTogether(qreal height)
    {
        if (m_y + height <= m_height || m_y == 0)
            return;
        m_writer.newPage();
        m_y = 0;
    }

    void picture(const QImage& image, QSizeF size)
    {
        const QRectF where(0, m_y, size.width(), size.height());
        m_painter.drawImage(where, image);
        m_painter.setPen(QPen(Qt::black, 0.5));
        m_painter.drawRect(where);
        m_y += size.height() + SectionGap;
    }

    qreal heightOf(const QString& text, const QFont& font)
    {
        m_painter.setFont(font);
        return m_painter.boundingRect(QRectF(0, 0, m_width, m_height), Qt::TextWordWrap, text).height();
    }

private:
    QPdfWriter& m_writer;
    QPainter m_painter;
    qreal m_width = 0;
    qreal m_height = 0;
    qreal m_y = 0;
};

} // namespace

QByteArray reportPdf(const ReportContent& content)
{
    const ProgressTexts& texts = progressTexts();
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(texts.reportTitle + QStringLiteral(": ") + content.studentName);
        writer.setCreator(QStringLiteral("Trivane"));
        writer.setResolution(300);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(MarginMillimetres, MarginMillimetres, MarginMillimetres, MarginMillimetres),
                              QPageLayout::Millimeter);
        ReportPage page(writer);
        page.text(texts.reportTitle, reportFont(TitleSize, true), SectionGap);
        page.text(texts.reportName.arg(content.studentName), reportFont(BodySize + 1));
        const QString date = QLocale(QLocale::Spanish, QLocale::Spain).toString(content.date, texts.dateFormat);
        page.text(texts.reportDate.arg(date), reportFont(BodySize + 1), SectionGap);
        for (const InstrumentProgress& instrument : content.instruments) {
            page.text(instrument.instrument, reportFont(HeadingSize, true), ParagraphGap / 2);
            page.chart(instrument.bars);
        }
        page.text(texts.notes, reportFont(BodySize), SectionGap);

        const QFont body = reportFont(BodySize);
        if (content.oscilloscope.isNull()) {
            page.text(texts.noScope, body);
        } else {
            QSizeF size = content.oscilloscope.deviceIndependentSize() * ScopeScale;
            if (size.width() > page.width())
                size.scale(page.width(), size.height(), Qt::KeepAspectRatio);
            page.keepTogether(page.heightOf(texts.scopeHeading, body) + ParagraphGap + size.height());
            page.text(texts.scopeHeading, body);
            page.picture(content.oscilloscope, size);
        }
    }
    return pdf;
}
