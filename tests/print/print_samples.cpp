// Prints a sample ride report (every section) and a long log entry as PDF
// files into the folder named on the command line, for looking at the layout:
//   print_samples OUTPUT-FOLDER
#include "print/LogEntryPrintout.h"
#include "print/PicturePrintout.h"
#include "print/PrintLayout.h"
#include "print/PdfPrintDevice.h"
#include "print/RideReport.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

namespace {

const LogColumns Maintenance{1, "Maint./Repair", {"Date", "Brief Description", "Cost"}};
const LogColumns Goodies{2, "Goodies", {"Date", "Brief Description", "Cost"}};
const LogColumns Trips{3, "Trips", {"Date", "Brief Description", "Miles"}};
const LogColumns Gasoline{4, "Gas Usage/Info", {"Date", "Gallons", "Miles     mpg"}};

QString longNotes()
{
    QString notes;
    for (int n = 1; n <= 12; ++n) {
        notes += QStringLiteral("Day %1: rode the twisties along the river road, stopped for coffee at the "
                                "old general store, checked the tire pressures and the chain tension, and "
                                "made it home before the rain. ").arg(n);
        notes += QStringLiteral("Receipts are filed under http://example.com/receipts/2009/shadow-vt750-"
                                "maintenance-and-touring-log-page-%1.\r\n\r\n").arg(n);
    }
    return notes;
}

QImage samplePicture()
{
    QImage picture(800, 600, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0, QColor(90, 150, 220));
    sky.setColorAt(1, QColor(230, 200, 150));
    painter.fillRect(picture.rect(), sky);
    painter.setBrush(QColor(40, 60, 120));
    painter.drawEllipse(QPoint(250, 450), 90, 90);
    painter.drawEllipse(QPoint(560, 450), 90, 90);
    painter.drawRect(250, 330, 310, 60);
    return picture;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: print_samples OUTPUT-FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const RideHeading ride{"2005", "Honda", "Shadow VT750", "Blue Thunder", QDateTime::currentDateTime()};

    PdfPrintDevice report(QStringLiteral("Ride report"), folder);
    SetPrinterFont(report, QStringLiteral("Arial"), 10, false, false, false, false);

    QList<RideField> fields;
    const QStringList captions{"Style", "Color", "License# / State / Type", "Your Ride's Name", "Purchase Date",
                               "Purchased from", "Address", "City/State/Zip", "Phone #", "Price Paid",
                               "Selling Date", "Sold to", "Address", "City/State/Zip", "Phone #", "Price Sold",
                               "Insurance Company", "Insurance Policy #", "Vehicle Title #", "VIN#",
                               "Engine Serial #", "Paint Code#", "Key Code#"};
    const QStringList values{"Cruiser", "Pearl Blue", "ABC-123 / VA / Motorcycle", "Blue Thunder", "04/12/2005",
                             "Valley Motorsports", "12 Main Street", "Roanoke, VA 24011", "(540) 555-0134",
                             "$6,499.00", "", "", "", "", "", "", "Mutual Riders", "MR-4471-0923", "VA-T-889123",
                             "JH2RC44005M000001", "RC44E-2000123", "PB-211", "T-4471"};
    for (int n = 0; n < captions.size(); ++n)
        fields.append({u' ' + captions.at(n) + u' ', values.at(n)});
    bool ok = PrintBasicInformation(report, ride, {fields, true, " Notes, Thoughts, Journal, etc. ", longNotes()});
    ok = PrintLargerPicture(report, QStringLiteral("Blue Thunder"), samplePicture(), QSize(8000, 6000)) && ok;

    QList<LogCells> repairs;
    for (int n = 1; n <= 45; ++n)
        repairs.append({QStringLiteral("%1/15/2009").arg(n % 12 + 1, 2, 10, QChar(u'0')),
                        n % 5 == 0 ? QStringLiteral("Checked the valve clearances") : QStringLiteral("Oil change"),
                        n % 7 == 0 ? QString() : QStringLiteral("$%1.95").arg(20 + n)});
    ok = PrintLogList(report, ride, {Maintenance, repairs, {" Total Cost: $1,988.85"}}) && ok;
    ok = PrintLogList(report, ride, {Goodies, {{"05/01/2009", "Saddlebags", "$1,249.00"}}, {" Total Cost: $1,249.00"}}) && ok;
    ok = PrintLogList(report, ride, {Trips, {{"06/01/2009", "Blue Ridge Parkway", "412"}, {"07/04/2009", "Lake run", ""}},
                                     {" Total Miles: 412"}}) && ok;
    ok = PrintLogList(report, ride,
                      {Gasoline,
                       {{"03/15/2009", "10.0", "300   (30.0)"}, {"04/02/2009", "12.0", "330   (27.5)"}},
                       {" Total Gallons: 22.0 ", " Total Miles: 630.0 ", " Overall MPG: 28.6 "}}) && ok;

    PdfPrintDevice entry(QStringLiteral("Trips entry"), folder);
    ok = PrintLogEntry(entry, {Trips, {"06/01/2009", "Blue Ridge Parkway", "412"}, longNotes() + longNotes()}, ride) && ok;

    QTextStream out(stdout);
    for (const QString &file : report.pdfFiles() + entry.pdfFiles())
        out << file << '\n';
    if (!ok)
        QTextStream(stderr) << report.failure() << entry.failure() << '\n';
    return ok ? 0 : 1;
}
