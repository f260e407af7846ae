#include "sections/gui/choixsection.h"

#include <QHideEvent>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <cstring>
#include <utility>

#include "matutil.h"
#include "services/champ.h"
#include "services/curseurs.h"
#include "services/sons.h"

namespace {

constexpr int kLargeur = 236;
constexpr int kPlie = 30;
constexpr int kHautK = 92;
constexpr int kHautPlan = 177;
// The first row under a group's title: below a folded group's bottom edge, so that nothing
// of it shows while folded.
constexpr int kRangee = 32;
// A formula in k takes the operators too: k/2, 2*(k+1).
const char kFormule[] = "-0.123456789k+*/()";
const char kBorne[] = "-0.123456789";

bool admis(const char* jeu, char16_t c) {
  return c == champ::kEntree || c == champ::kRetour ||
         (c != 0 && c < 128 && std::strchr(jeu, char(c)));
}

// Whether the text compiles once every k is read as the engine's z.
bool compile(const QString& t) {
  TExpress e;
  e.setExpression(normalise(remplace(champ::latin1(t), "k", "z")));
  return !e.CompileError();
}

}  // namespace

Tchoixsection::Tchoixsection(quadrel::Scene& s, DialogHost& h, QWidget* parent)
    : DialogBase(s, h, parent, QStringLiteral("choixsection"),
                 QStringLiteral("Montrer la section")) {
  creerk();
  creerplan();
  // Tab orders: the formula edits are told apart by them (Edit1 0, then 5 .. 9).
  QWidget* ordre[] = {edits[0], kmin,     kmax, valk, plus1, edits[1], edits[2], edits[3],
                      edits[4], edits[5], p1,   p2,   p3,    p4,       plus2};
  for (std::size_t k = 1; k < std::size(ordre); ++k) setTabOrder(ordre[k - 1], ordre[k]);
  p1->setChecked(true);
  for (int i = 1; i < 6; ++i) edits[i]->setEnabled(false);
  // The model follows the controls as they are, typed text included: the sheet draws the
  // section from it on every frame.
  for (QLineEdit* e : {edits[0], edits[1], edits[2], edits[3], edits[4], edits[5], kmin, kmax})
    connect(e, &QLineEdit::textChanged, this, &Tchoixsection::synchronise);
  synchronise();
  FormShow();
}

void Tchoixsection::creerk() {
  GroupBox2 = new QGroupBox(QStringLiteral("       k"), this);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  GroupBox2->setGeometry(0, 0, kLargeur, kHautK);
  plus1 = new QPushButton(QStringLiteral("+"), GroupBox2);
  plus1->setObjectName(QStringLiteral("plus1"));
  plus1->setAccessibleName(QStringLiteral("Plier k"));
  plus1->setGeometry(2, 0, 20, 20);
  auto* lmin = new QLabel(QStringLiteral("Min"), GroupBox2);
  lmin->setGeometry(8, kRangee, 28, 22);
  kmin = new QLineEdit(QStringLiteral("-4"), GroupBox2);
  kmin->setObjectName(QStringLiteral("kmin"));
  kmin->setAccessibleName(QStringLiteral("Min"));
  kmin->setGeometry(36, kRangee, 70, 22);
  lmin->setBuddy(kmin);
  auto* lmax = new QLabel(QStringLiteral(" Max"), GroupBox2);
  lmax->setGeometry(116, kRangee, 34, 22);
  kmax = new QLineEdit(QStringLiteral("4"), GroupBox2);
  kmax->setObjectName(QStringLiteral("kmax"));
  kmax->setAccessibleName(QStringLiteral("Max"));
  kmax->setGeometry(152, kRangee, 70, 22);
  lmax->setBuddy(kmax);
  valk = new QSlider(Qt::Horizontal, GroupBox2);
  valk->setObjectName(QStringLiteral("valk"));
  valk->setAccessibleName(QStringLiteral("k"));
  valk->setGeometry(8, kRangee + 24, 150, 30);
  valk->setRange(0, 40);
  valk->setSingleStep(10);
  valk->setPageStep(10);
  valk->setTickPosition(QSlider::TicksBelow);
  valk->setTickInterval(5);
  affk = new QLabel(QStringLiteral("k=..."), GroupBox2);
  affk->setObjectName(QStringLiteral("affk"));  // its accessible name is its text
  affk->setGeometry(164, kRangee + 28, 66, 22);
  for (QLineEdit* b : {kmin, kmax}) {
    champ::filtrer(b, {QLatin1String(kBorne), {}, {}},
                   [this, b](char16_t c) { return kminKeyPress(b, c); });
    connect(b, &QLineEdit::textEdited, this, [b] { champ::colorer(b, champ::bleu); });
  }
  connect(valk, &QSlider::valueChanged, this, [this](int position) {
    // A screen reader can set the value of a disabled track bar: it does not act.
    if (!valk->isEnabled()) {
      const QSignalBlocker bloque(valk);
      valk->setValue(positionk_);
      return;
    }
    positionk_ = position;
    synchronise();
    valkChange();
  });
  animer = new QPushButton(GroupBox2);
  animer->setObjectName(QStringLiteral("animer"));
  montrerLecture();
  animer->setAccessibleName(QStringLiteral("Animer k"));
  animer->setGeometry(120, 0, 30, 20);  // on the title row: within reach even folded
  vitesse = new QComboBox(GroupBox2);
  vitesse->setObjectName(QStringLiteral("vitesse"));
  vitesse->setAccessibleName(QStringLiteral("Vitesse"));
  vitesse->addItems(
      {QStringLiteral("\u00D7\u00BD"), QStringLiteral("\u00D71"), QStringLiteral("\u00D72")});
  vitesse->setCurrentIndex(1);
  vitesse->setGeometry(154, 0, 60, 20);
  poser(animer, Role::main);
  poser(vitesse, Role::main);
  connect(animer, &QPushButton::clicked, this, &Tchoixsection::animerClick);
  minuterie_.setInterval(15);
  connect(&minuterie_, &QTimer::timeout, this, &Tchoixsection::image);
  connect(valk, &QSlider::sliderPressed, this, &Tchoixsection::arreter);
  for (const auto& [touche, sens] :
       {std::pair{Qt::Key_PageUp, 1}, std::pair{Qt::Key_PageDown, -1}}) {
    auto* raccourci = new QShortcut(QKeySequence(touche), this);
    raccourci->setContext(Qt::ApplicationShortcut);
    connect(raccourci, &QShortcut::activated, this, [this, sens = sens] { pageK(sens); });
  }
  connect(plus1, &QPushButton::clicked, this, &Tchoixsection::plus1Click);
  poser(plus1, Role::main);
}

void Tchoixsection::creerplan() {
  GroupBox1 = new QGroupBox(QStringLiteral("       Type de plan"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(0, kPlie, kLargeur, kHautPlan);
  plus2 = new QPushButton(QStringLiteral("-"), GroupBox1);
  plus2->setObjectName(QStringLiteral("plus2"));
  plus2->setAccessibleName(QStringLiteral("Plier le type de plan"));
  plus2->setGeometry(2, 0, 20, 20);
  const char* const noms[] = {"p1", "p2", "p3", "p4"};
  const char* const textes[] = {"x=", "y=", "z=", ""};
  std::array<QRadioButton*, 4> r{};
  for (int i = 0; i < 4; ++i) {
    r[i] = new QRadioButton(QString::fromLatin1(textes[i]), GroupBox1);
    r[i]->setObjectName(QLatin1String(noms[i]));
    r[i]->setAccessibleName(i < 3 ? r[i]->text() : QStringLiteral("ax+by+c=0"));
    r[i]->setGeometry(8, kRangee + 28 * i, i < 3 ? 40 : 20, 22);
    poser(r[i], Role::main);
    connect(r[i], &QRadioButton::toggled, this, [this](bool coche) {
      if (coche) p1Click();
    });
  }
  p1 = r[0], p2 = r[1], p3 = r[2], p4 = r[3];
  const char* const edites[] = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"};
  const char* const accessibles[] = {"x=", "y=", "z=", "a", "b", "c"};
  for (int i = 0; i < 6; ++i) {
    auto* e = new QLineEdit(GroupBox1);
    e->setObjectName(QLatin1String(edites[i]));
    e->setAccessibleName(QLatin1String(accessibles[i]));
    if (i < 3)
      e->setGeometry(50, kRangee + 28 * i, 170, 22);
    else
      e->setGeometry(30 + 66 * (i - 3), kRangee + 84, 40, 22);
    champ::filtrer(e, {QLatin1String(kFormule), {}, {}},
                   [this, i](char16_t c) { return Edit1KeyPress(i, c); });
    connect(e, &QLineEdit::textEdited, this, [e] { champ::colorer(e, champ::bleu); });
    edits[i] = e;
  }
  const char* const suites[] = {"x+", "y+", "=0"};
  for (int i = 0; i < 3; ++i) {
    auto* l = new QLabel(QLatin1String(suites[i]), GroupBox1);
    l->setGeometry(72 + 66 * i, kRangee + 84, 22, 22);
  }
  auto* l1 = new QLabel(QStringLiteral("La variable k est "), GroupBox1);
  l1->setGeometry(8, kRangee + 110, 220, 16);
  auto* l2 = new QLabel(QStringLiteral("autorisée. "), GroupBox1);
  l2->setGeometry(8, kRangee + 125, 220, 16);
  connect(plus2, &QPushButton::clicked, this, &Tchoixsection::plus2Click);
  poser(plus2, Role::main);
}

QSize Tchoixsection::sizeHint() const {
  return {kLargeur, GroupBox1->y() + GroupBox1->height()};
}

// The dialog follows its two groups' heights.
void Tchoixsection::ajuster() {
  setFixedSize(sizeHint());
  QWidget* c = ::cadre(this);
  if (c == this) return;
  c->setFixedSize(c->sizeHint());
  garderdedans(c);
  // The dialog grew before its frame: the newly exposed part is painted only if asked.
  update();
}

void Tchoixsection::FormShow() {
  GroupBox2->setFixedHeight(kPlie);
  plus1->setText(QStringLiteral("+"));
  GroupBox1->move(0, kPlie);
  GroupBox1->setFixedHeight(kHautPlan);
  plus2->setText(QStringLiteral("-"));
  ajuster();
  if (isVisible()) placerdroite();
}

void Tchoixsection::showEvent(QShowEvent* e) {
  scene.choixsectionVisible = true;
  DialogBase::showEvent(e);
  appelplan();  // the section comes back with the dialog, not at the next turn of the view
}

void Tchoixsection::hideEvent(QHideEvent* e) {
  arreter();
  scene.choixsectionVisible = false;
  DialogBase::hideEvent(e);
}

void Tchoixsection::FormClose() {
  ranger();
  scene.choixsectionVisible = false;
  hote.reconstruire(quadrel::Liste::axes);
  hote.FormPaint();
}

void Tchoixsection::synchronise() {
  quadrel::Section& l = scene;
  for (std::size_t i = 0; i < 6; ++i) {
    l.formules[i] = champ::latin1(edits[i]->text());
    l.actives[i] = edits[i]->isEnabled();
  }
  l.kmin = champ::latin1(kmin->text());
  l.kmax = champ::latin1(kmax->text());
  l.position = valk->value();
  l.maximum = valk->maximum();
  l.k = quadrel::valeurK(l).k;
}

const quadrel::LectureSection& Tchoixsection::lecture() const {
  return scene;
}

void Tchoixsection::appelplan() {
  synchronise();
  const auto couleurs = quadrel::couleursCoefficients(scene);
  for (std::size_t i = 0; i < 3; ++i) {
    if (!couleurs[i]) continue;
    champ::colorer(edits[3 + i],
                   *couleurs[i] == quadrel::EtatChamp::accepte ? champ::noir : champ::rouge);
  }
  hote.FormPaint();
}

bool Tchoixsection::Edit1KeyPress(int ordre, char16_t cle) {
  if (!admis(kFormule, cle)) return false;
  arreter();
  QLineEdit* e = edits[ordre];
  if (cle != champ::kEntree) {
    champ::colorer(e, champ::bleu);
    return true;
  }
  if (!compile(e->text())) {
    champ::colorer(e, champ::rouge);
    appelplan();  // a refused formula takes its section off the sheet
    return false;
  }
  champ::colorer(e, champ::noir);
  if (e->text().contains(QLatin1Char('k'))) kmin->setFocus();
  // Edit4, Edit5 pass on to the next coefficient; the others show the section.
  if (ordre == 3 || ordre == 4)
    edits[ordre + 1]->setFocus();
  else
    appelplan();
  return false;
}

bool Tchoixsection::kminKeyPress(QLineEdit* borne, char16_t cle) {
  if (!admis(kBorne, cle)) return false;
  arreter();
  if (cle != champ::kEntree) {
    champ::colorer(borne, champ::bleu);
    return true;
  }
  const quadrel::VerificationBornes v = quadrel::verifieBornes(lecture());
  valk->setEnabled(v.curseurActif);
  champ::colorer(kmin, v.kminOk ? champ::noir : champ::rouge);
  champ::colorer(kmax, v.kmaxOk ? champ::noir : champ::rouge);
  if (v.kminOk) kmax->setFocus();
  if (v.affk) affk->setText(QString::fromLatin1(v.affk->c_str()));
  appelplan();  // an unreadable bound takes the section off the sheet
  return false;
}

void Tchoixsection::valkChange() {
  const quadrel::ValeurK v = quadrel::valeurK(lecture());
  if (!v.erreurMin && !v.erreurMax)
    affk->setText(QString::fromLatin1(quadrel::texteK(v.k).c_str()));
  appelplan();
}

void Tchoixsection::p1Click() {
  arreter();
  sons::jouer(QStringLiteral("click.wav"));
  hote.reconstruire(quadrel::Liste::axes);
  const QRadioButton* genres[] = {p1, p2, p3, p4, p4, p4};
  for (int i = 0; i < 6; ++i) edits[i]->setEnabled(genres[i]->isChecked());
  // Every enabled edit before Edit5 takes the focus in turn: the kind's first one keeps it.
  for (int i = 0; i < 4; ++i)
    if (edits[i]->isEnabled()) edits[i]->setFocus();
  appelplan();  // the old kind's plane leaves the sheet, the new kind's shows
}

void Tchoixsection::animerClick() {
  if (anime()) return arreter();
  synchronise();
  const quadrel::ValeurK v = quadrel::valeurK(scene);
  if (v.erreurMin || v.erreurMax) return;  // bounds that cannot be read: nothing to sweep
  phase_ = valk->maximum() > 0 ? double(valk->value()) / valk->maximum() : 0;
  sens_ = phase_ >= 1 ? -1 : 1;
  horloge_.start();
  minuterie_.start();
  montrerLecture();
}

// Play or pause, as the style draws them: a pause sign is missing from common fonts.
void Tchoixsection::montrerLecture() {
  animer->setIcon(style()->standardIcon(anime() ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

void Tchoixsection::arreter() {
  if (!anime()) return;
  minuterie_.stop();
  montrerLecture();
  hote.FormPaint();  // the last k, now a step of its own
}

// One frame of the sweep: k anywhere between the bounds, the track bar at its nearest
// position without its own handler putting k back there.
void Tchoixsection::image() {
  const double duree = double(horloge_.restart()) / 1000;
  const double facteurs[] = {0.5, 1, 2};
  quadrel::Section& l = scene;
  l.k = quadrel::pasAnimation(l, duree, facteurs[std::clamp(vitesse->currentIndex(), 0, 2)], phase_,
                              sens_);
  {
    const QSignalBlocker bloque(valk);
    valk->setValue(int(std::lround(phase_ * valk->maximum())));
    l.position = valk->value();
  }
  affk->setText(QString::fromLatin1(quadrel::texteK(l.k).c_str()));
  hote.FormPaint();
}

// PageUp and PageDown (a presenter's remote) move k by one position of the track bar,
// wherever the focus is, while the section is shown.
void Tchoixsection::pageK(int sens) {
  if (!isVisible() || !valk->isEnabled()) return;
  arreter();
  valk->setValue(valk->value() + sens);
}

void Tchoixsection::plus1Click() {
  sons::jouer(QStringLiteral("click.wav"));
  const bool deplier = plus1->text() == QStringLiteral("+");
  GroupBox2->setFixedHeight(deplier ? kHautK : kPlie);
  plus1->setText(deplier ? QStringLiteral("-") : QStringLiteral("+"));
  GroupBox1->move(0, GroupBox2->y() + GroupBox2->height());
  ajuster();
}

void Tchoixsection::plus2Click() {
  sons::jouer(QStringLiteral("click.wav"));
  const bool deplier = plus2->text() == QStringLiteral("+");
  GroupBox1->setFixedHeight(deplier ? kHautPlan : kPlie);
  plus2->setText(deplier ? QStringLiteral("-") : QStringLiteral("+"));
  ajuster();
}
