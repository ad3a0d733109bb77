// Renders the user manual: our own HTML text with pictures of the program's pages, laid out by
// QTextDocument and written as a PDF by QPdfWriter.
//   manualgen <manual.html> <output.pdf> [<preview folder>]
// Pictures are looked up beside the HTML file. With a preview folder, each page is also drawn
// into page-<n>.png there, for a person to look at without a PDF viewer.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextStream>
#include <QUrl>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s <manual.html> <output.pdf> [<preview folder>]\n", argv[0]);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setTitle(QStringLiteral("Kelvora AIS Class B Configuration - User Manual"));
    writer.setCreator(QStringLiteral("Kelvora AIS Class B Configuration"));
    writer.setResolution(150);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                                     QPageLayout::Millimeter));

    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(source).absolutePath() + QLatin1Char('/')));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    document.setDefaultFont(font);
    document.setHtml(html);
    // The document lays out on the page's printable area, in the writer's device pixels.
    document.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
    document.print(&writer);

    if (argc == 4) {
        const QSizeF page = document.pageSize();
        for (int i = 0; i < document.pageCount(); ++i) {
            QImage image(page.toSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.translate(0, -i * page.height());
            document.drawContents(&painter, QRectF(0, i * page.height(), page.width(), page.height()));
            painter.end();
            image.save(QStringLiteral("%1/page-%2.png").arg(QString::fromLocal8Bit(argv[3])).arg(i + 1));
        }
    }
    return 0;
}
