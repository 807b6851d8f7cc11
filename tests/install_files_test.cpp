// The files installed beside the programs, each checked against the program
// itself: the icon against the icon the windows draw, the type of scanword
// files against files the program saves (through the shared MIME database as
// the desktop reads it), the desktop entry against the validator and against
// the names of the program, the icon and the type.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "dialogs/artwork.h"
#include "files/scanword_file.h"

namespace {

const QString kDataDir = QStringLiteral(VERSTAK_DATA_DIR);
const QString kScanwordType = QStringLiteral("application/x-verstak-skw");

QString DataFile(const QString& name) { return kDataDir + QLatin1Char('/') + name; }

QImage RenderSvg(const QString& path, int side) {
  QSvgRenderer renderer(path);
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

// The one mime-type element of the shared-mime-info file.
QString MimeTypeDeclared() {
  QFile file(DataFile(QStringLiteral("verstak.xml")));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("mime-type")) {
      return xml.attributes().value(QStringLiteral("type")).toString();
    }
  }
  return {};
}

// The value of `key` in a desktop entry; a null string when it has none.
QString DesktopValue(const QString& path, const QString& key) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  const QString prefix = key + QLatin1Char('=');
  for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    if (line.startsWith(prefix)) return line.mid(prefix.size());
  }
  return {};
}

QByteArray SavedScanword() {
  verstak::ScanwordDocument document;
  document.gridWidth = 2;
  document.gridHeight = 1;
  document.cells.at(1, 1).kind = verstak::CellKind::Clue;
  document.definitions.slot(1).line(1).assign("\xCD\xE8\xEB");  // Нил
  const QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("saved.skw"));
  if (verstak::WriteScanwordFile(path.toStdString(), document)) return {};
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class InstallFilesTest : public QObject {
  Q_OBJECT

 private slots:
  // Before anything asks the MIME database: it reads its folders once.
  void initTestCase() {
    QVERIFY(mimeFolder_.isValid());
    const QString packages = mimeFolder_.filePath(QStringLiteral("mime/packages"));
    QVERIFY(QDir().mkpath(packages));
    QVERIFY(QFile::copy(DataFile(QStringLiteral("verstak.xml")), packages + QStringLiteral("/verstak.xml")));
    QProcess update;
    update.start(QStringLiteral("update-mime-database"), {mimeFolder_.filePath(QStringLiteral("mime"))});
    QVERIFY2(update.waitForFinished(), "update-mime-database did not run");
    QCOMPARE(update.exitCode(), 0);
    qputenv("XDG_DATA_DIRS", (mimeFolder_.path() + QStringLiteral(":/usr/share")).toLocal8Bit());
  }

  void iconIsTheWindowIconAtAnySize_data() {
    QTest::addColumn<int>("side");
    QTest::newRow("32") << 32;
    QTest::newRow("96") << 96;
    QTest::newRow("256") << 256;
  }

  // Pixel for pixel: the window icon scaled up without smoothing.
  void iconIsTheWindowIconAtAnySize() {
    QFETCH(int, side);
    const QImage drawn = verstak::DrawProgramIcon()
                             .scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage installed = RenderSvg(DataFile(QStringLiteral("verstak.svg")), side);
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        if (installed.pixel(x, y) != drawn.pixel(x, y)) {
          QFAIL(qPrintable(QStringLiteral("pixel %1,%2: %3 instead of %4")
                               .arg(x)
                               .arg(y)
                               .arg(installed.pixel(x, y), 8, 16)
                               .arg(drawn.pixel(x, y), 8, 16)));
        }
      }
    }
  }

  void scanwordFilesAreKnownByNameAndByTheirFirst47Bytes() {
    QCOMPARE(MimeTypeDeclared(), kScanwordType);
    const QByteArray saved = SavedScanword();
    QVERIFY(saved.startsWith(QByteArray(verstak::ScanwordMagic.data(), 47)));
    const QMimeDatabase mime;
    QCOMPARE(mime.mimeTypeForData(saved).name(), kScanwordType);
    QCOMPARE(mime.mimeTypeForFile(QStringLiteral("work.skw"), QMimeDatabase::MatchExtension).name(), kScanwordType);
    QVERIFY(mime.mimeTypeForName(kScanwordType).isValid());

    // All 47 bytes count: a file that differs in the last of them is not one.
    QByteArray almost = saved;
    almost[46] = '!';
    QVERIFY(mime.mimeTypeForData(almost).name() != kScanwordType);
    QVERIFY(mime.mimeTypeForData(saved.left(46)).name() != kScanwordType);

    // A saved file under another name is still known by its content.
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("kopiya")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(saved);
    file.close();
    QCOMPARE(mime.mimeTypeForFile(file.fileName()).name(), kScanwordType);
  }

  void desktopEntryIsValidAndNamesTheProgramIconAndType() {
    const QString path = DataFile(QStringLiteral("verstak.desktop"));
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    QVERIFY2(validate.waitForFinished(), "desktop-file-validate did not run");
    const QByteArray complaints = validate.readAll();
    QVERIFY2(validate.exitCode() == 0 && complaints.isEmpty(), complaints.constData());

    // A file opened from the desktop reaches the program as its argument.
    QCOMPARE(DesktopValue(path, QStringLiteral("Exec")), QStringLiteral(VERSTAK_PROGRAM_NAME " %f"));
    QVERIFY(QFileInfo::exists(DataFile(DesktopValue(path, QStringLiteral("Icon")) + QStringLiteral(".svg"))));
    QVERIFY(DesktopValue(path, QStringLiteral("MimeType")).split(QLatin1Char(';')).contains(kScanwordType));
  }

 private:
  QTemporaryDir mimeFolder_;
};

QTEST_MAIN(InstallFilesTest)
#include "install_files_test.moc"
