// The translations of the Qt texts: every text the sources mark for translation has a finished
// English entry in translations/*_en*.ts that keeps its placeholders, and the texts reach the
// program through the classes lupdate files them under.
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// One text of a .ts file: its class (context), its source and its disambiguation.
struct Message {
  QString context, source, comment;
  QStringList translations;  // the forms; empty when there is none or it is unfinished
};

QString key(const Message& m) { return m.context + QChar(0x1f) + m.source + QChar(0x1f) + m.comment; }

// Every message of a .ts file; `error` says what could not be read.
QList<Message> readTs(const QString& path, QString& error) {
  QList<Message> out;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    error = path + QStringLiteral(": cannot be read");
    return out;
  }
  QXmlStreamReader xml(&f);
  QString context;
  Message m;
  bool inMessage = false, unfinished = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const auto name = xml.name();
      if (name == QLatin1String("name") && !inMessage) {
        context = xml.readElementText();
      } else if (name == QLatin1String("message")) {
        m = Message{context, {}, {}, {}};
        inMessage = true;
        unfinished = false;
      } else if (inMessage && name == QLatin1String("source")) {
        m.source = xml.readElementText();
      } else if (inMessage && name == QLatin1String("comment")) {
        m.comment = xml.readElementText();
      } else if (inMessage && name == QLatin1String("translation")) {
        const QString type = xml.attributes().value(QLatin1String("type")).toString();
        unfinished = !type.isEmpty();  // unfinished, vanished, obsolete
        // A plain translation holds its text; a plural one holds <numerusform>s.
        while (!xml.atEnd()) {
          xml.readNext();
          if (xml.isCharacters() && !xml.isWhitespace()) {
            if (m.translations.isEmpty()) m.translations << QString();
            m.translations.last() += xml.text().toString();
          } else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
            const QString form = xml.readElementText();
            m.translations << form;
          } else if (xml.isEndElement() && xml.name() == QLatin1String("translation")) {
            break;
          }
        }
      }
    } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
      if (unfinished) m.translations.clear();
      m.translations.removeAll(QString());
      out << m;
      inMessage = false;
    }
  }
  if (xml.hasError()) error = path + QStringLiteral(": ") + xml.errorString();
  return out;
}

// The placeholders of a text, sorted: %1..%99 and %n.
QStringList placeholders(const QString& text) {
  static const QRegularExpression re(QStringLiteral("%(\\d{1,2}|n)"));
  QStringList found;
  for (auto it = re.globalMatch(text); it.hasNext();) found << it.next().captured(0);
  found.sort();
  return found;
}

// The folders of the source tree that hold program code (not the build, tests or tools).
QStringList sourceFolders(const QDir& root) {
  static const QSet<QString> skip = {QStringLiteral("tests"), QStringLiteral("bench"),
                                     QStringLiteral("fuzz"), QStringLiteral("translations"),
                                     QStringLiteral("scripts"), QStringLiteral("cmake"),
                                     QStringLiteral("data"), QStringLiteral("out")};
  QStringList out;
  for (const QString& d : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    if (skip.contains(d) || d.startsWith(QLatin1String("build")) || d.startsWith(QLatin1Char('.'))) continue;
    out << root.filePath(d);
  }
  return out;
}

}  // namespace

class TestTranslations : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir m_dir;
  QList<Message> m_marked;   // every text the sources mark, as lupdate finds them
  QString m_lupdateNotes;    // what lupdate said while reading the sources

 private slots:
  void initTestCase() {
    QVERIFY(m_dir.isValid());
    const QDir root(QStringLiteral(KELP_SOURCE_DIR));
    const QString ts = m_dir.filePath(QStringLiteral("all_en.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(KELP_LUPDATE),
                  QStringList{QStringLiteral("-I"), root.path(), QStringLiteral("-locations"),
                              QStringLiteral("none"), QStringLiteral("-source-language"),
                              QStringLiteral("it"), QStringLiteral("-target-language"), QStringLiteral("en")}
                      << sourceFolders(root) << QStringLiteral("-ts") << ts);
    QVERIFY2(lupdate.waitForFinished(240000), "lupdate did not finish");
    QCOMPARE(lupdate.exitCode(), 0);
    m_lupdateNotes = QString::fromUtf8(lupdate.readAllStandardError() + lupdate.readAllStandardOutput());
    QString error;
    m_marked = readTs(ts, error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(m_marked.size() > 400, "lupdate found far fewer texts than the program has");
  }

  // A tr() in a class without Q_OBJECT looks its text up under the base class at run time,
  // so the English entry filed under the class itself is never found.
  void everyTranslatingClassHasItsOwnContext() {
    QStringList lacking;
    for (const QString& line : m_lupdateNotes.split(QLatin1Char('\n')))
      if (line.contains(QLatin1String("lacks Q_OBJECT"))) lacking << line.trimmed();
    QVERIFY2(lacking.isEmpty(), qPrintable(lacking.join(QLatin1Char('\n'))));
  }

  void everyMarkedTextHasAFinishedEnglishEntryWithItsPlaceholders() {
    QHash<QString, Message> english;
    const QDir dir(QStringLiteral(KELP_SOURCE_DIR "/translations"));
    const QStringList files = dir.entryList({QStringLiteral("*_en.ts"), QStringLiteral("*_en_*.ts")}, QDir::Files);
    QVERIFY2(!files.isEmpty(), "no English .ts file in translations/");
    for (const QString& file : files) {
      QString error;
      for (const Message& m : readTs(dir.filePath(file), error))
        if (!m.translations.isEmpty() || !english.contains(key(m))) english.insert(key(m), m);
      QVERIFY2(error.isEmpty(), qPrintable(error));
    }
    QStringList missing, broken;
    for (const Message& m : m_marked) {
      const auto it = english.constFind(key(m));
      const QString where = m.context + QStringLiteral(": \"") + m.source + QLatin1Char('"');
      if (it == english.constEnd() || it->translations.isEmpty()) {
        missing << where;
        continue;
      }
      for (const QString& t : it->translations)
        if (placeholders(t) != placeholders(m.source)) broken << where + QStringLiteral(" -> \"") + t + QLatin1Char('"');
    }
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 texts have no finished English translation:\n")
                                               .arg(missing.size()) + missing.join(QLatin1Char('\n'))));
    QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("translations that lose or add placeholders:\n") +
                                          broken.join(QLatin1Char('\n'))));
  }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
