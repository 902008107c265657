#include "gui/window/keypad.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "gui/controls/color_ref.h"
#include "gui/controls/round_button.h"
#include "options/options_record.h"

namespace vr {

namespace {

const QColor kBlue200(0, 0, 200);
const QColor kRed200(200, 0, 0);
const QColor kRed170(170, 0, 0);
const QColor kGreen100(0, 100, 0);
const QColor kPunctuation(0, 90, 180);  // green 90, blue 180

struct KeySpec {
  int id;
  const char* caption;
  int row;
  int column;
  int columnSpan = 1;
};

// The two rows above the editor, in the order they are hidden and shown.
const KeySpec kTopKeys[] = {
    {kKeyRad, "Rad", 0, 0},   {kKeyArc, "Arc", 0, 1},    {kKeySin, "Sin", 0, 2},
    {kKeyLn, "Ln", 0, 3},     {kKeyLog, "Log", 0, 4},    {kKeySqrt, "Sqrt", 0, 5},
    {kKeyGold, "Gold", 0, 6}, {kKeyNumberE, "E", 0, 7},  {kKeyBase, "Dec", 1, 0},
    {kKeyTan, "Tan", 1, 1},   {kKeyCos, "Cos", 1, 2},    {kKeyExp, "Exp", 1, 3},
    {kKeyAbs, "Abs", 1, 4},   {kKeySquare, "x^2", 1, 5}, {kKeyPi, "PI", 1, 6},
    {kKeyCls, "CLS", 1, 7},
};

// The block beside the editor. "<->" and "SI" share the places of "F" and
// "Conv": only one pair is shown at a time.
const KeySpec kSideKeys[] = {
    {kKeyA, "A", 0, 0},          {kKeyA + 1, "B", 0, 1},     {kKeyA + 2, "C", 0, 2},
    {kKeyD, "D", 0, 3},          {kKeyHexF, "F", 0, 4},      {kKeyH, "H", 1, 0},
    {kKeyO, "O", 1, 1},          {kKeyExponent, "E", 1, 2},  {kKeyPercent, "%", 1, 3},
    {kKeyBack, "<-", 1, 4},      {kKey1 + 6, "7", 2, 0},     {kKey1 + 7, "8", 2, 1},
    {kKey9, "9", 2, 2},          {kKeyDivide, "/", 2, 3},    {kKeyOpen, "(", 2, 4},
    {kKey1 + 3, "4", 3, 0},      {kKey1 + 4, "5", 3, 1},     {kKey1 + 5, "6", 3, 2},
    {kKeyTimes, "*", 3, 3},      {kKeyClose, ")", 3, 4},     {kKey1, "1", 4, 0},
    {kKey1 + 1, "2", 4, 1},      {kKey1 + 2, "3", 4, 2},     {kKeyMinus, "-", 4, 3},
    {kKeyPower, "^", 4, 4},      {kKey0, "0", 5, 0},         {kKeyPoint, ".", 5, 1},
    {kKeyBackslash, "\\", 5, 2}, {kKeyPlus, "+", 5, 3},      {kKeySemicolon, ";", 5, 4},
    {kKeyFunctions, "F", 6, 0},  {kKeyConv, "Conv", 6, 1},   {kKeySwap, "<->", 6, 0},
    {kKeySI, "SI", 6, 1},        {kKeyEquals, "=", 6, 2, 3},
};

const int kTopRowIds[] = {kKeyRad,  kKeyArc,     kKeySin,  kKeyLn,  kKeyLog, kKeySqrt,
                          kKeyGold, kKeyNumberE, kKeyBase, kKeyTan, kKeyCos, kKeyExp,
                          kKeyAbs,  kKeySquare,  kKeyPi,   kKeyCls};

}  // namespace

KeyInsertion InsertionOfKey(int id, bool arcMode) {
  if (id >= kKey1 && id <= kKey9) return {QString::number(id - kKey1 + 1)};
  if (id >= kKeyA && id <= kKeyD)
    return {QString(QLatin1Char(static_cast<char>('A' + id - kKeyA)))};
  const QString arc = arcMode ? QStringLiteral("A") : QString();
  switch (id) {
    case kKey0:
      return {QStringLiteral("0")};
    case kKeyPoint:
      return {QStringLiteral(".")};
    case kKeyPlus:
      return {QStringLiteral("+")};
    case kKeyMinus:
      return {QStringLiteral("-")};
    case kKeyTimes:
      return {QStringLiteral("*")};
    case kKeyDivide:
      return {QStringLiteral("/")};
    case kKeyOpen:
      return {QStringLiteral("(")};
    case kKeyClose:
      return {QStringLiteral(")")};
    case kKeySemicolon:
      return {QStringLiteral(";")};
    case kKeyPower:
      return {QStringLiteral("**")};
    case kKeyBackslash:
      return {QStringLiteral("\\")};
    case kKeyPercent:
      return {QStringLiteral("%")};
    case kKeyExponent:
      return {QStringLiteral("E")};
    case kKeyHexF:
      return {QStringLiteral("F")};
    case kKeyH:
      return {QStringLiteral("h")};
    case kKeyO:
      return {QStringLiteral("o")};
    case kKeyPi:
      return {QStringLiteral("PI")};
    case kKeyGold:
      return {QStringLiteral("GOLD")};
    case kKeyNumberE:
      return {QStringLiteral("2.71828182845905")};
    case kKeyAbs:
      return {QStringLiteral("Abs"), true};
    case kKeyLn:
      return {QStringLiteral("Ln"), true};
    case kKeyLog:
      return {QStringLiteral("Log"), true};
    case kKeyExp:
      return {QStringLiteral("Exp"), true};
    case kKeySqrt:
      return {QStringLiteral("Sqrt"), true};
    case kKeySquare:
      return {QStringLiteral("Sqr"), true};
    case kKeySin:
      return {arc + QStringLiteral("Sin"), true};
    case kKeyCos:
      return {arc + QStringLiteral("Cos"), true};
    case kKeyTan:
      return {arc + QStringLiteral("Tan"), true};
    default:
      return {};
  }
}

namespace {

QFont FunctionsKeyFont() {
  constexpr int kCellHeight = 24;
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setBold(true);
  int pixels = kCellHeight;
  font.setPixelSize(pixels);
  while (pixels > 8 && QFontMetrics(font).height() > kCellHeight) font.setPixelSize(--pixels);
  return font;
}

}  // namespace

Keypad::Keypad(QWidget* topArea, QWidget* sideArea) : QObject(topArea) {
  // Key sizes follow the font, so the keypad keeps its proportions on
  // screens of any density.
  const QFontMetrics fm(topArea->font());
  const int keyHeight = fm.height() * 2 + 2;
  const int sideWidth = keyHeight * 4 / 3;
  const int topWidth = keyHeight * 3 / 2;
  const int gap = qMax(2, fm.averageCharWidth() / 2);

  topStack_ = new QStackedWidget(topArea);
  auto* topLayout = new QVBoxLayout(topArea);
  topLayout->setContentsMargins(0, 0, 0, 0);
  topLayout->addWidget(topStack_);

  auto* keyRows = new QWidget(topStack_);
  auto* keyGrid = new QGridLayout(keyRows);
  keyGrid->setContentsMargins(0, 0, 0, 0);
  keyGrid->setSpacing(gap);
  for (const KeySpec& k : kTopKeys) {
    RoundButton* key = AddKey(k.id, QString::fromUtf8(k.caption), keyRows);
    key->setFixedSize(topWidth, keyHeight);
    keyGrid->addWidget(key, k.row, k.column);
  }
  keyGrid->setColumnStretch(8, 1);
  topStack_->addWidget(keyRows);

  auto* unitPage = new QWidget(topStack_);
  auto* unitGrid = new QGridLayout(unitPage);
  unitGrid->setContentsMargins(0, 0, 0, 0);
  unitGrid->setSpacing(gap);
  unitTypeLabel_ = new QLabel(unitPage);
  fromLabel_ = new QLabel(unitPage);
  toLabel_ = new QLabel(unitPage);
  unitTypes_ = new QComboBox(unitPage);
  unitTypes_->setObjectName(QStringLiteral("unitTypeList"));
  fromUnits_ = new QComboBox(unitPage);
  fromUnits_->setObjectName(QStringLiteral("fromList"));
  toUnits_ = new QComboBox(unitPage);
  toUnits_->setObjectName(QStringLiteral("toList"));
  for (QComboBox* list : {unitTypes_, fromUnits_, toUnits_}) {
    list->setMaxVisibleItems(20);
    list->setMinimumContentsLength(12);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setFocusPolicy(Qt::ClickFocus);
  }
  unitGrid->addWidget(unitTypeLabel_, 0, 0);
  unitGrid->addWidget(unitTypes_, 0, 1, 1, 3);
  unitGrid->addWidget(fromLabel_, 1, 0);
  unitGrid->addWidget(fromUnits_, 1, 1);
  unitGrid->addWidget(toLabel_, 1, 2);
  unitGrid->addWidget(toUnits_, 1, 3);
  unitGrid->setColumnStretch(1, 1);
  unitGrid->setColumnStretch(3, 1);
  topStack_->addWidget(unitPage);
  topStack_->setFixedHeight(keyHeight * 2 + gap);

  auto* sideGrid = new QGridLayout(sideArea);
  sideGrid->setContentsMargins(0, 0, 0, 0);
  sideGrid->setSpacing(gap);
  for (const KeySpec& k : kSideKeys) {
    RoundButton* key = AddKey(k.id, QString::fromUtf8(k.caption), sideArea);
    key->setFixedSize(sideWidth * k.columnSpan + gap * (k.columnSpan - 1), keyHeight);
    sideGrid->addWidget(key, k.row, k.column, 1, k.columnSpan);
  }
  sideGrid->setRowStretch(7, 1);

  // Fixed colours; the others come from the options.
  for (int id : {kKeyRad, kKeyArc}) keys_[id]->SetTextColour(kBlue200);
  for (int id : {kKeyGold, kKeyPi, kKeyNumberE}) keys_[id]->SetTextColour(kGreen100);
  for (int id : {kKeyPoint, kKeyOpen, kKeyClose, kKeyBackslash, kKeySemicolon})
    keys_[id]->SetTextColour(kPunctuation);
  keys_[kKeyBack]->SetTextColour(kRed170);
  keys_[kKeyBase]->SetTextColour(kBlue200);

  // The digits stand out in bold; "F" is a bold serif capital whose whole
  // cell (ascent, descent and leading) is 24 pixels high.
  QFont digitFont = topArea->font();
  digitFont.setBold(true);
  for (int id = kKey1; id <= kKey0; ++id) keys_[id]->setFont(digitFont);
  keys_[kKeyFunctions]->setFont(FunctionsKeyFont());

  ShowUnitControls(false);
  Retranslate();
  topArea_ = topArea;
  sideArea_ = sideArea;
  topArea->installEventFilter(this);
  sideArea->installEventFilter(this);
}

bool Keypad::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && (watched == topArea_ || watched == sideArea_))
    ApplyOptionColours(Options());
  return QObject::eventFilter(watched, event);
}

RoundButton* Keypad::AddKey(int id, const QString& caption, QWidget* parent) {
  auto* key = new RoundButton(caption, parent);
  key->setObjectName(QStringLiteral("key%1").arg(id));
  keys_[id] = key;
  connect(key, &QPushButton::clicked, this, [this, id] { emit keyClicked(id); });
  return key;
}

RoundButton* Keypad::Key(int id) const {
  const auto it = keys_.find(id);
  return it == keys_.end() ? nullptr : it->second;
}

std::vector<int> Keypad::KeyIds() const {
  std::vector<int> ids;
  for (const auto& entry : keys_) ids.push_back(entry.first);
  return ids;
}

void Keypad::ShowUnitControls(bool on) {
  unitControls_ = on;
  topStack_->setCurrentIndex(on ? 1 : 0);
  // The keys of the hidden page are hidden one by one as well, so that a
  // hidden key is hidden whatever holds it.
  for (int id : kTopRowIds) keys_[id]->setVisible(!on);
  keys_[kKeyFunctions]->setVisible(!on);
  keys_[kKeyConv]->setVisible(!on);
  keys_[kKeySwap]->setVisible(on);
  keys_[kKeySI]->setVisible(on);
}

void Keypad::SetAngleCaption(bool radians) {
  keys_[kKeyRad]->setText(radians ? QStringLiteral("Rad") : QStringLiteral("Deg"));
}

void Keypad::SetBaseCaption(const QString& caption, bool decimal) {
  keys_[kKeyBase]->setText(caption);
  keys_[kKeyBase]->SetTextColour(decimal ? kBlue200 : kRed170);
}

void Keypad::SetArcColour(bool arcOn) { keys_[kKeyArc]->SetTextColour(arcOn ? kRed200 : kBlue200); }

void Keypad::ApplyOptionColours(const OptionsRecord& options) {
  for (int id = kKey1; id <= kKey0; ++id)
    keys_[id]->SetTextColour(ColorFromColorRef(options.digitColor));
  for (int id :
       {kKeyAbs, kKeyCos, kKeyExp, kKeyLn, kKeyLog, kKeySin, kKeySquare, kKeySqrt, kKeyTan})
    keys_[id]->SetTextColour(ColorFromColorRef(options.functionColor));
  for (int id : {kKeyTimes, kKeyPlus, kKeyPercent, kKeyMinus, kKeyEquals, kKeyPower})
    keys_[id]->SetTextColour(ColorFromColorRef(options.operationColor));
  for (auto& entry : keys_)
    entry.second->SetHoverColour(ColorFromColorRef(options.buttonHighlight));
}

void Keypad::Retranslate() {
  unitTypeLabel_->setText(tr("Unit type:"));
  fromLabel_->setText(tr("From:"));
  toLabel_->setText(tr("To:"));
  keys_[kKeySI]->setText(tr("SI"));
  keys_[kKeyConv]->setText(tr("Conv"));

  const struct {
    int id;
    QString text;
  } tips[] = {
      {kKeyConv, tr("Unit converter")},
      {kKeyFunctions, tr("Insert function")},
      {kKeyAbs, tr("Absolute value")},
      {kKeyRad, tr("Radians/Degrees")},
      {kKeyArc, tr("Arc trigonometric functions")},
      {kKeyCos, tr("Cosine/arc cosine")},
      {kKeyCls, tr("Clear screen")},
      {kKeyExp, tr("Exponent")},
      {kKeyGold, tr("Golden section")},
      {kKeyLn, tr("Natural logarithm")},
      {kKeyLog, tr("Common logarithm")},
      {kKeySin, tr("Sine/arc sine")},
      {kKeyNumberE, tr("Number E=2.718281828")},
      {kKeySquare, tr("Square")},
      {kKeySqrt, tr("Square root")},
      {kKeyTan, tr("Tangent/arc tangent")},
      {kKeyBase, tr("Scale of notation")},
      {kKeyPi, tr("Number Pi=3.14159265359")},
      {kKeySwap, tr("Exchange units")},
      {kKeySI, tr("To international system")},
  };
  for (const auto& tip : tips) keys_[tip.id]->setToolTip(tip.text);
}

}  // namespace vr
