#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <vector>

class QComboBox;
class QLabel;
class QStackedWidget;
class QWidget;

namespace vr {

class RoundButton;
struct OptionsRecord;

// Identifiers of the keys, also used to find a key in the keypad. No fixed
// underlying type: lupdate's parser loses the namespace after "enum X : int".
enum KeyId {
  kKeyFunctions = 1008,
  kKeyConv = 1011,
  kKey1 = 1053,  // the digits 1 to 9 follow in order
  kKey7 = 1059,
  kKey9 = 1061,
  kKey0 = 1062,
  kKeyPoint = 1063,
  kKeyPlus = 1064,
  kKeyMinus = 1065,
  kKeyTimes = 1066,
  kKeyDivide = 1067,
  kKeyOpen = 1068,
  kKeyClose = 1069,
  kKeyArc = 1070,
  kKeyPi = 1071,
  kKeyEquals = 1072,
  kKeyLn = 1073,
  kKeySin = 1074,
  kKeyRad = 1075,
  kKeyTan = 1076,
  kKeyCos = 1077,
  kKeySqrt = 1078,
  kKeyGold = 1079,
  kKeyExp = 1080,
  kKeySquare = 1081,
  kKeyLog = 1082,
  kKeyAbs = 1083,
  kKeyNumberE = 1084,
  kKeyBase = 1085,
  kKeyCls = 1086,
  kKeyExponent = 1087,
  kKeySemicolon = 1088,
  kKeyPower = 1089,
  kKeyBackslash = 1090,
  kKeyBack = 1091,
  kKeySwap = 1098,
  kKeySI = 1099,
  kKeyA = 1100,
  kKeyD = 1103,
  kKeyHexF = 1104,
  kKeyH = 1105,
  kKeyO = 1106,
  kKeyPercent = 1107,
};

// What a key puts into the expression window; keys with other actions have
// an empty text.
struct KeyInsertion {
  QString text;
  bool isFunction = false;
};
KeyInsertion InsertionOfKey(int id, bool arcMode);

// The keypad around the expression window: two rows of function keys above
// it, the digit and operator block beside it, and, in their place while the
// unit conversion mode is on, the three unit lists with their labels and
// the "<->" and "SI" keys.
class Keypad : public QObject {
  Q_OBJECT

 public:
  Keypad(QWidget* topArea, QWidget* sideArea);

  RoundButton* Key(int id) const;
  // The areas the keys fill: the two rows above the editor and the block
  // beside it. Hidden while empty.
  QWidget* TopArea() const { return topArea_; }
  QWidget* SideArea() const { return sideArea_; }
  std::vector<int> KeyIds() const;

  QComboBox* UnitTypeList() const { return unitTypes_; }
  QComboBox* FromList() const { return fromUnits_; }
  QComboBox* ToList() const { return toUnits_; }

  // Shows the unit controls instead of the top rows, "F" and "Conv", or the
  // other way round.
  void ShowUnitControls(bool on);
  bool UnitControlsShown() const { return unitControls_; }

  // Captions and key colours that follow the modes and the options.
  void SetAngleCaption(bool radians);
  void SetBaseCaption(const QString& caption, bool decimal);
  void SetArcColour(bool arcOn);
  void ApplyOptionColours(const OptionsRecord& options);

  // Texts of the UI language: unit labels, "SI", "Conv" and the tool tips.
  void Retranslate();

 protected:
  // Repainting the key areas takes the colours of the options again, so a
  // change in the preferences shows as soon as the keypad is redrawn.
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void keyClicked(int id);

 private:
  RoundButton* AddKey(int id, const QString& caption, QWidget* parent);

  std::map<int, RoundButton*> keys_;
  QWidget* topArea_ = nullptr;
  QWidget* sideArea_ = nullptr;
  QStackedWidget* topStack_ = nullptr;
  QComboBox* unitTypes_ = nullptr;
  QComboBox* fromUnits_ = nullptr;
  QComboBox* toUnits_ = nullptr;
  QLabel* unitTypeLabel_ = nullptr;
  QLabel* fromLabel_ = nullptr;
  QLabel* toLabel_ = nullptr;
  bool unitControls_ = false;
};

}  // namespace vr
