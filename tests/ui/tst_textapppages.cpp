// The Text and Launch Application pages on real profile files: the text
// box's length limit and what OK stores or refuses, and the program chosen
// through the file dialog (answered by the test).
#include <QtTest>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include <memory>

#include "core/DDataManager.h"
#include "sdk/include/LumtarXml.h"
#include "support/FormActions.h"
#include "support/KeyPageSignals.h"
#include "support/ProfileFileFixture.h"
#include "support/TempHome.h"
#include "ui/mainwidget/devicePage/customKeys/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyWithAppPage.h"
#include "ui/mainwidget/devicePage/customKeys/DKeyWithTextPage.h"
#include "ui/mainwidget/devicePage/customKeys/TextLengthLimit.h"
#include "widgets/OpenFileDialog.h"

using Fixture = ProfileFileFixture;

namespace {

const int kA = 4;
const QString kSmile = QStringLiteral("\U0001F600"); // two UTF-16 code units

QByteArray storedValue(const QByteArray &path, int keyCode, QByteArray *type = nullptr)
{
    const std::optional<KeyOperateInfoStu> item = Fixture::item(path, "1", keyCode);
    if (!item || QByteArray(item->keyCode) == "-1")
        return QByteArray();
    if (type)
        *type = QByteArray(item->type);
    return QByteArray(item->value);
}

bool makeExecutable(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\nexit 0\n");
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

class tst_TextAppPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textLimit_data();
    void textLimit();
    void cutArithmetic_data();
    void cutArithmetic();
    void textCancelAndOtherTypes();
    void tooLongTextMessage();

    void appChoice_data();
    void appChoice();
    void appCancelAndRechoice();
    void appDialogRequest();

private:
    DKeyWithTextPage *textPage();
    std::unique_ptr<Fixture> m_files;
    std::unique_ptr<DKeyWithTextPage> m_textPage;
    QList<OpenFileDialog::Request> m_requests;
};

void tst_TextAppPages::init()
{
    m_files.reset(new Fixture);
    QVERIFY(m_files->isValid());
    DDataManager::getInstance()->setClickedKey(kA, QStringLiteral("A"));
    m_requests.clear();
}

void tst_TextAppPages::cleanup()
{
    OpenFileDialog::setAnswerForTesting({});
    m_textPage.reset();
    m_files.reset();
}

DKeyWithTextPage *tst_TextAppPages::textPage()
{
    if (!m_textPage) {
        m_textPage.reset(new DKeyWithTextPage);
        m_textPage->show();
    }
    return m_textPage.get();
}

// One row: a text in the box (put in, or loaded from the store) with the
// cursor at a place, then something typed or pasted there, then OK.
void tst_TextAppPages::textLimit_data()
{
    QTest::addColumn<QString>("initial");
    QTest::addColumn<bool>("fromStore");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("typed");   // key by key
    QTest::addColumn<QString>("pasted");  // in one piece
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("cursorAfter");
    QTest::addColumn<QList<int>>("failure"); // of OK; none: the box's text is stored

    const QString a5000(5000, QLatin1Char('a'));
    QTest::newRow("the 5001st character typed") << a5000 << false << 2500 << QStringLiteral("X") << QString() << a5000
                                                << 2500 << QList<int>();
    const QString pasted300 = QStringLiteral("0123456789").repeated(30);
    QTest::newRow("300 pasted into 4800")
        << QString(4800, QLatin1Char('a')) << false << 100 << QString() << pasted300
        << QString(100, QLatin1Char('a')) + pasted300.left(200) + QString(4700, QLatin1Char('a')) << 300 << QList<int>();
    QTest::newRow("exactly 5000") << QString() << false << 0 << QString() << QString(5000, QLatin1Char('x'))
                                  << QString(5000, QLatin1Char('x')) << 5000 << QList<int>();
    QTest::newRow("a surrogate pair at the cut")
        << QString(4998, QLatin1Char('a')) << false << 4998 << QString() << QStringLiteral("b") + kSmile + "c"
        << QString(4998, QLatin1Char('a')) + "b" << 4999 << QList<int>();
    QTest::newRow("a pair that fits whole") << QString(4998, QLatin1Char('a')) << false << 4998 << QString()
                                            << kSmile + "c" << QString(4998, QLatin1Char('a')) + kSmile << 5000
                                            << QList<int>();
    QTest::newRow("a stored text past the limit loses its end")
        << QString(5100, QLatin1Char('s')) + "END" << true << 0 << QString() << QString()
        << QString(5000, QLatin1Char('s')) << 5000 << QList<int>();
    const QString euros1707(1707, QChar(0x20AC)); // 5121 bytes in UTF-8
    QTest::newRow("over 5119 UTF-8 bytes") << QString() << false << 0 << QString() << euros1707 << euros1707 << 1707
                                           << QList<int>{6, 2};
    const QString bytes5119 = QString(1706, QChar(0x20AC)) + "a";
    QTest::newRow("5119 UTF-8 bytes") << QString() << false << 0 << QString() << bytes5119 << bytes5119 << 1707
                                      << QList<int>();
    QTest::newRow("empty") << QString() << false << 0 << QString() << QString() << QString() << 0 << QList<int>{6, 0};
    QTest::newRow("one blank") << QString() << false << 0 << QStringLiteral(" ") << QString() << QStringLiteral(" ") << 1
                               << QList<int>();
    QTest::newRow("line breaks") << QString() << false << 0 << QStringLiteral("a\nb") << QString()
                                 << QStringLiteral("a\nb") << 3 << QList<int>();
    const QString markup = QStringLiteral("<b>bold</b> &amp; <br/>");
    QTest::newRow("markup kept literally") << QString() << false << 0 << QString() << markup << markup
                                           << int(markup.size()) << QList<int>();
    const QString utf = QStringLiteral("héllo wörld ✓ ") + kSmile;
    QTest::newRow("a stored text outside Latin-1") << utf << true << 0 << QString() << QString() << utf
                                                   << int(utf.size()) << QList<int>();
}

void tst_TextAppPages::textLimit()
{
    QFETCH(QString, initial);
    QFETCH(bool, fromStore);
    QFETCH(int, cursor);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, box);
    QFETCH(int, cursorAfter);
    QFETCH(QList<int>, failure);

    const QByteArray path = m_files->profilePath();
    if (fromStore)
        QVERIFY(Fixture::bind(path, "1", kA, "6", initial.toUtf8().constData()));
    DKeyWithTextPage *page = textPage();
    page->loadKeyOperateInfo();
    auto *edit = namedChild<QTextEdit>(page, "textEdit_keyText");
    if (!fromStore && !initial.isEmpty()) {
        edit->setPlainText(initial);
        QTextCursor c = edit->textCursor();
        c.setPosition(cursor);
        edit->setTextCursor(c);
    }
    for (const QChar c : typed) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(edit, Qt::Key_Return);
        else
            QTest::keyClicks(edit, QString(c));
    }
    if (!pasted.isEmpty())
        edit->insertPlainText(pasted);

    QCOMPARE(edit->toPlainText().size(), box.size());
    QCOMPARE(edit->toPlainText(), box);
    QCOMPARE(page->currentText(), box);
    QCOMPARE(edit->textCursor().position(), cursorAfter);

    KeyPageSignals told(page);
    const QByteArray before = storedValue(path, kA);
    QTest::mouseClick(namedChild<QPushButton>(page, "pushButton_OK"), Qt::LeftButton);
    QCOMPARE(told.failures(), failure);
    if (!failure.isEmpty()) {
        QVERIFY(told.update.isEmpty() && told.success.isEmpty());
        QCOMPARE(storedValue(path, kA), before);
        return;
    }
    QCOMPARE(told.update.count(), 1);
    QCOMPARE(told.success.count(), 1);
    QByteArray type;
    QCOMPARE(storedValue(path, kA, &type), box.toUtf8());
    QCOMPARE(type, QByteArray("6"));
    const std::optional<KeyOperateInfoStu> item = Fixture::item(path, "1", kA);
    QCOMPARE(QByteArray(item->count), QByteArray("1"));
    QCOMPARE(QByteArray(item->mode), QByteArray("1"));

    // It comes back whole, with the cursor at its end; the box stays as it was.
    page->loadKeyOperateInfo();
    QCOMPARE(edit->toPlainText(), box);
    QCOMPARE(edit->textCursor().position(), int(box.size()));
}

void tst_TextAppPages::cutArithmetic_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("cursorAfter");

    QTest::newRow("fits") << QStringLiteral("abc") << 1 << 3 << QStringLiteral("abc") << 1;
    QTest::newRow("before the cursor") << QStringLiteral("abcXYdef") << 5 << 6 << QStringLiteral("abcdef") << 3;
    QTest::newRow("cursor at the start") << QStringLiteral("abcdef") << 0 << 4 << QStringLiteral("abcd") << 0;
    QTest::newRow("cursor inside the excess") << QStringLiteral("abcdef") << 1 << 2 << QStringLiteral("ab") << 1;
    QTest::newRow("cursor between the halves of a pair")
        << QStringLiteral("ab") + kSmile + "c" << 3 << 4 << QStringLiteral("abc") << 2;
    QTest::newRow("a pair at the end, cut from the end")
        << QStringLiteral("xy") + kSmile << 0 << 3 << QStringLiteral("xy") << 0;
    QTest::newRow("cursor past the end") << QStringLiteral("abcd") << 99 << 3 << QStringLiteral("abc") << 3;
    QTest::newRow("limit 0") << QStringLiteral("ab") << 2 << 0 << QString() << 0;
}

void tst_TextAppPages::cutArithmetic()
{
    QFETCH(QString, text);
    QFETCH(int, cursor);
    QFETCH(int, limit);
    QFETCH(QString, left);
    QFETCH(int, cursorAfter);
    const std::optional<TextLengthLimit::Cut> cut = TextLengthLimit::cut(text, cursor, limit);
    if (left == text) {
        QVERIFY(!cut);
        return;
    }
    QVERIFY(cut);
    QCOMPARE(TextLengthLimit::apply(text, *cut), left);
    QCOMPARE(cut->cursor, cursorAfter);
}

void tst_TextAppPages::textCancelAndOtherTypes()
{
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::bind(path, "1", kA, "1", "3"));
    DKeyWithTextPage *page = textPage();
    page->loadKeyOperateInfo();
    auto *edit = namedChild<QTextEdit>(page, "textEdit_keyText");
    // Another type's item: an empty box with its placeholder.
    QVERIFY(edit->toPlainText().isEmpty());
    QCOMPARE(edit->placeholderText(), QStringLiteral("Enter text ..."));

    KeyPageSignals told(page);
    QSignalSpy cancel(page, &DKeyWithTextPage::sigClickedCancel);
    QTest::keyClicks(edit, QStringLiteral("typed"));
    QTest::mouseClick(namedChild<QPushButton>(page, "pushButton_Cancel"), Qt::LeftButton);
    QCOMPARE(cancel.count(), 1);
    QVERIFY(told.silent());
    QCOMPARE(edit->toPlainText(), QStringLiteral("typed"));
    QCOMPARE(storedValue(path, kA), QByteArray("3"));

    // The page saves for the key of its last load, whatever is selected since.
    DDataManager::getInstance()->setClickedKey(5, QStringLiteral("B"));
    QTest::mouseClick(namedChild<QPushButton>(page, "pushButton_OK"), Qt::LeftButton);
    QCOMPARE(storedValue(path, kA), QByteArray("typed"));
    QVERIFY(storedValue(path, 5).isEmpty());
}

void tst_TextAppPages::tooLongTextMessage()
{
    QCOMPARE(DCustomKeysPage::saveFailedText(6, 2), QStringLiteral("The text is too long"));
    QCOMPARE(DCustomKeysPage::saveFailedText(6, 0), QStringLiteral("Setting failed because the text is empty"));
    QCOMPARE(DCustomKeysPage::saveFailedText(8, 2), QStringLiteral("The program path is too long"));
}

void tst_TextAppPages::appChoice_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");

    QTest::newRow("plain") << QStringLiteral("bin") << QStringLiteral("tool");
    QTest::newRow("outside ASCII") << QStringLiteral("Prögramme 世界") << QStringLiteral("wërk ✓.sh");
    QTest::newRow("spaces, ; and $(...)") << QStringLiteral("my apps; $(touch pwned) `id` & | >x")
                                          << QStringLiteral("run me.sh");
    QTest::newRow("a launcher") << QStringLiteral("Desktop") << QStringLiteral("editor.desktop");
}

void tst_TextAppPages::appChoice()
{
    QFETCH(QString, folder);
    QFETCH(QString, file);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(folder));
    const QString program = dir.path() + QLatin1Char('/') + folder + QLatin1Char('/') + file;
    QVERIFY(makeExecutable(program));

    OpenFileDialog::setAnswerForTesting([&](const OpenFileDialog::Request &) { return program; });
    DKeyWithAppPage page;
    page.show();
    page.loadKeyOperateInfo();
    KeyPageSignals told(&page);
    auto *box = namedChild<QTextEdit>(&page, "textEdit_appPath");
    QVERIFY(box->isReadOnly());
    QVERIFY(box->toPlainText().isEmpty());
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_selectAppPath"), Qt::LeftButton);
    QTRY_COMPARE(told.success.count(), 1);
    QCOMPARE(told.update.count(), 1);
    QVERIFY(told.failure.isEmpty());
    QCOMPARE(box->toPlainText(), program);

    const std::optional<KeyOperateInfoStu> item = Fixture::item(m_files->profilePath(), "1", kA);
    QVERIFY(item);
    QCOMPARE(QByteArray(item->type), QByteArray("8"));
    QCOMPARE(QByteArray(item->count), QByteArray("1"));
    QCOMPARE(QByteArray(item->mode), QByteArray("1"));
    QCOMPARE(QString::fromUtf8(item->value), program);
    QVERIFY(!QByteArray(item->value).contains('\\'));

    // It comes back unchanged.
    box->clear();
    page.loadKeyOperateInfo();
    QCOMPARE(box->toPlainText(), program);
}

void tst_TextAppPages::appCancelAndRechoice()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString first = dir.filePath(QStringLiteral("first"));
    const QString second = dir.filePath(QStringLiteral("second.txt"));
    QVERIFY(makeExecutable(first));
    QFile document(second);
    QVERIFY(document.open(QIODevice::WriteOnly)); // any existing file is taken
    document.close();

    QString answer;
    OpenFileDialog::setAnswerForTesting([&](const OpenFileDialog::Request &) { return answer; });
    const QByteArray path = m_files->profilePath();
    QVERIFY(Fixture::bind(path, "1", kA, "1", "3"));
    DKeyWithAppPage page;
    page.loadKeyOperateInfo();
    auto *box = namedChild<QTextEdit>(&page, "textEdit_appPath");
    QVERIFY(box->toPlainText().isEmpty()); // a macro item
    KeyPageSignals told(&page);
    auto *select = namedChild<QPushButton>(&page, "pushButton_selectAppPath");

    // Cancelled, and a file that is gone: nothing changes.
    for (const QString &cancelled : {QString(), dir.filePath(QStringLiteral("gone"))}) {
        answer = cancelled;
        QTest::mouseClick(select, Qt::LeftButton);
        QTest::qWait(20);
        QVERIFY(told.silent());
        QCOMPARE(storedValue(path, kA), QByteArray("3"));
        QVERIFY(box->toPlainText().isEmpty());
    }

    answer = first;
    QTest::mouseClick(select, Qt::LeftButton);
    QTRY_COMPARE(told.success.count(), 1);
    // The same again stores again; then another file.
    QTest::mouseClick(select, Qt::LeftButton);
    QTRY_COMPARE(told.success.count(), 2);
    answer = second;
    QTest::mouseClick(select, Qt::LeftButton);
    QTRY_COMPARE(told.success.count(), 3);
    QCOMPARE(told.update.count(), 3);
    QCOMPARE(storedValue(path, kA), second.toUtf8());
    QCOMPARE(Fixture::keyCodes(path, "1"), QList<int>{kA});

    // A cancel after a choice leaves the box showing the stored path.
    answer.clear();
    QTest::mouseClick(select, Qt::LeftButton);
    QTest::qWait(20);
    QCOMPARE(told.success.count(), 3);
    QCOMPARE(box->toPlainText(), second);
}

void tst_TextAppPages::appDialogRequest()
{
    OpenFileDialog::setAnswerForTesting([this](const OpenFileDialog::Request &request) {
        m_requests << request;
        return QString();
    });
    // The desktop folder of the user's folders file, while it exists.
    QTemporaryDir desktop;
    QVERIFY(desktop.isValid());
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(QDir().mkpath(configHome));
    QFile dirs(configHome + QStringLiteral("/user-dirs.dirs"));
    QVERIFY(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"" + QFile::encodeName(desktop.path()) + "\"\n");
    dirs.close();

    DKeyWithAppPage page;
    page.loadKeyOperateInfo();
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_selectAppPath"), Qt::LeftButton);
    QTRY_COMPARE(m_requests.size(), 1);
    QCOMPARE(m_requests[0].caption, QStringLiteral("Select App"));
    QCOMPARE(m_requests[0].directory, desktop.path());
    QCOMPARE(m_requests[0].filters, QStringList({QStringLiteral("Applications (*.desktop)"),
                                                 QStringLiteral("All files (*)")}));

    // Without it: the home folder.
    desktop.remove();
    QTest::mouseClick(namedChild<QPushButton>(&page, "pushButton_selectAppPath"), Qt::LeftButton);
    QTRY_COMPARE(m_requests.size(), 2);
    QCOMPARE(m_requests[1].directory, QDir::homePath());
    dirs.remove();
}

int main(int argc, char **argv)
{
    TempHome home;
    QApplication app(argc, argv);
    CLumtarXML_Init();
    tst_TextAppPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_textapppages.moc"
