// Starting with the desktop session, and the key codes of the global hot key.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "gui/platform/autostart.h"
#include "gui/platform/virtual_key.h"

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
  }

  void autostartEntry_data() {
    QTest::addColumn<bool>("autoStart");
    QTest::addColumn<bool>("startMinimized");
    QTest::addColumn<QString>("exec");  // empty: no entry

    QTest::newRow("on") << true << false << "Exec=\"/opt/vr/vadaderivo\"";
    QTest::newRow("on, minimised") << true << true << "Exec=\"/opt/vr/vadaderivo\" -min";
    QTest::newRow("off") << false << false << "";
    QTest::newRow("only minimised") << false << true << "";
  }
  void autostartEntry() {
    QFETCH(bool, autoStart);
    QFETCH(bool, startMinimized);
    QFETCH(QString, exec);
    // Whatever was there before is replaced or removed.
    vr::UpdateAutostart(true, true, "/old/path");

    vr::UpdateAutostart(autoStart, startMinimized, "/opt/vr/vadaderivo");

    QCOMPARE(vr::AutostartEntryPath(), config_.path() + "/autostart/vadaderivo.desktop");
    QFile entry(vr::AutostartEntryPath());
    QCOMPARE(entry.exists(), !exec.isEmpty());
    if (exec.isEmpty()) return;
    QVERIFY(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
    QVERIFY(lines.contains("[Desktop Entry]"));
    QVERIFY(lines.contains(exec));
  }

  void autostartCommandQuotesThePath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("command");

    QTest::newRow("blank") << "/home/me/My Apps/vadaderivo"
                           << "\"/home/me/My Apps/vadaderivo\"";
    QTest::newRow("quote") << "/a\"b"
                           << "\"/a\\\\\"b\"";
    QTest::newRow("dollar and backtick") << "/a$b`c"
                                         << "\"/a\\\\$b\\\\`c\"";
    QTest::newRow("backslash") << "/a\\b"
                               << "\"/a\\\\\\\\b\"";
    QTest::newRow("percent") << "/100%/vr"
                             << "\"/100%%/vr\"";
  }
  void autostartCommandQuotesThePath() {
    QFETCH(QString, path);
    QFETCH(QString, command);
    QCOMPARE(vr::AutostartCommand(path, false), command);
  }

  void hotKeyCodesBecomeX11Keys_data() {
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<uint>("keysym");

    QTest::newRow("A") << 0x41 << 0x61u;
    QTest::newRow("Z") << 0x5A << 0x7Au;
    QTest::newRow("0") << 0x30 << 0x30u;
    QTest::newRow("F1") << 0x70 << 0xFFBEu;
    QTest::newRow("F12") << 0x7B << 0xFFC9u;
    QTest::newRow("space") << 0x20 << 0x20u;
    QTest::newRow("keypad 5") << 0x65 << 0xFFB5u;
    QTest::newRow("home") << 0x24 << 0xFF50u;
    QTest::newRow("comma") << 0xBC << 0x2Cu;
    QTest::newRow("none") << 0 << 0u;
    QTest::newRow("unknown") << 0xFF << 0u;
  }
  void hotKeyCodesBecomeX11Keys() {
    QFETCH(int, virtualKey);
    QFETCH(uint, keysym);
    QCOMPARE(vr::KeysymFromVirtualKey(static_cast<std::uint16_t>(virtualKey)), keysym);
  }

  // A chord chosen in the preferences is stored as a virtual key; reading it
  // back must give the same key, whichever key it is.
  void everyNamedKeySurvivesTheRoundTrip() {
    int named = 0;
    for (int vk = 1; vk < 256; ++vk) {
      const int qtKey = vr::QtKeyFromVirtualKey(static_cast<std::uint16_t>(vk));
      if (qtKey == 0) continue;
      ++named;
      QCOMPARE(int(vr::VirtualKeyFromQtKey(qtKey)), vk);
    }
    QVERIFY(named > 60);
    QCOMPARE(int(vr::VirtualKeyFromQtKey(Qt::Key_Q)), 0x51);
    QCOMPARE(int(vr::VirtualKeyFromQtKey(Qt::Key_Enter)), 0x0D);
    QCOMPARE(int(vr::VirtualKeyFromQtKey(Qt::Key_CapsLock)), 0);
  }

  void modifierFlags_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("Shift") << 1 << int(Qt::ShiftModifier);
    QTest::newRow("Control+Alt") << 6 << int(Qt::ControlModifier | Qt::AltModifier);
    QTest::newRow("extended") << 8 << int(Qt::MetaModifier);
    QTest::newRow("all") << 15
                         << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                                Qt::MetaModifier);
  }
  void modifierFlags() {
    QFETCH(int, flags);
    QFETCH(int, modifiers);
    QCOMPARE(int(vr::QtModifiersFromHotKey(static_cast<std::uint16_t>(flags))), modifiers);
    QCOMPARE(int(vr::HotKeyModifiersFromQt(Qt::KeyboardModifiers(modifiers))), flags);
  }

 private:
  QTemporaryDir config_;
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
