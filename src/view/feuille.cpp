#include "view/feuille.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPainter>
#include <QSurfaceFormat>
#include <QTimer>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <utility>

#include "sections/free_point.h"
#include "services/curseurs.h"
#include "services/dialog_base.h"
#include "view/camera.h"

namespace {

// The hourglass over the whole screen for the length of a frame, put back however the
// frame ends.
class Sablier {
 public:
  Sablier() { QGuiApplication::setOverrideCursor(curseur(Role::sablier)); }
  ~Sablier() { QGuiApplication::restoreOverrideCursor(); }
  Sablier(const Sablier&) = delete;
  Sablier& operator=(const Sablier&) = delete;
};

// A frame cut short by an exception: said on stderr every time, and to the user once in the
// run, in a box opened after the frame (never from inside a paint) over the main window.
void signaler(QWidget* feuille, const char* quoi) {
  qWarning("quadrel: a frame was cut short: %s", quoi);
  static bool dejamontre = false;
  if (dejamontre) return;
  dejamontre = true;
  QTimer::singleShot(0, feuille, [feuille] {
    auto* boite = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Feuille"),
        QStringLiteral("Une erreur a interrompu le dessin de la feuille : l'image affichée "
                       "peut être incomplète. Si cela se reproduit, changez la fonction, la "
                       "section ou le solide."),
        QMessageBox::Ok, feuille->window());
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->open();
  });
}

// Samples a pixel when lines are smoothed: what software GL offers, and enough for lines
// that no longer step.
constexpr int kEchantillons = 4;
// A frame begun this soon after the previous one belongs to a stream (a turn, a sweep); the
// multisampled picture follows this long after the last.
constexpr int kSuiteMs = 100;
constexpr int kAffinageMs = 150;

QString enClair(const std::string& latin1) {
  return QString::fromLatin1(latin1.data(), qsizetype(latin1.size()));
}

}  // namespace

QString TFeuille::description() const {
  const quadrel::Scene& s = scene;
  QStringList phrases;
  if (quadrel::fonctionvalide(s)) {
    QString p =
        QStringLiteral("Surface z = %1, précision %2").arg(enClair(s.formule)).arg(s.precision);
    if (s.niveauxy || s.niveauz) p += QStringLiteral(", lignes de niveau");
    phrases << p;
  } else {
    phrases << QStringLiteral("Aucune surface");
  }
  if (s.quadriqueok && s.typequadrique >= 1 && s.typequadrique <= 9) {
    static const char* const solides[] = {"Sphère",      "Cube",        "Cylindre",
                                          "Cylindre",    "Cylindre",    "Double cône",
                                          "Double cône", "Double cône", "Pyramide"};
    phrases << QString::fromUtf8(solides[s.typequadrique - 1]);
  }
  if (s.choixsectionVisible && s.typesection >= 1 && s.typesection <= 4) {
    static const char* const plans[] = {"x = k", "y = k", "z = k", "a·x + b·y + c = 0"};
    phrases << QStringLiteral("Section %1, k = %2")
                   .arg(QString::fromUtf8(plans[s.typesection - 1]),
                        enClair(quadrel::texte3(static_cast<double>(s.k))));
  }
  if (s.pointlibreVisible) phrases << QStringLiteral("Point ") + enClair(quadrel::captionPoint(s));
  return phrases.join(QStringLiteral(". ")) + QLatin1Char('.');
}

TFeuille::TFeuille(quadrel::Scene& s, QMdiArea* zone, QSize fond) : scene(s) {
  const quadrel::SheetSize t = quadrel::sheetSize(fond.width(), fond.height());
  taille_ = QSize(t.width, t.height);
  setWindowTitle(QStringLiteral("Feuille"));
  setAccessibleName(QStringLiteral("Feuille"));
  // Turned, panned and zoomed from the keyboard too: a click or Tab gives it the focus.
  setFocusPolicy(Qt::StrongFocus);
  setProperty(DialogBase::kGardeFocus, true);
  // Every pixel comes from the frame: nothing to clear beneath it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  poser(this, Role::croix);
  affinage_ = new QTimer(this);
  affinage_->setSingleShot(true);
  affinage_->setInterval(kAffinageMs);
  connect(affinage_, &QTimer::timeout, this, &TFeuille::affiner);

  // Frame and view defaults, before anything is built.
  s.xmin = s.ymin = s.zmin = -4;
  s.xmax = s.ymax = s.zmax = 4;
  s.gradx = s.grady = s.gradz = 1;
  s.inclinaison = s.rotz = s.decaly = s.decalz = 0;
  s.zoom = 0.75f;

  if (zone) {
    // No system menu and no buttons: the sheet can be neither closed nor resized.
    cadre_ =
        zone->addSubWindow(this, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    cadre_->setWindowTitle(QStringLiteral("Feuille"));
    cadre_->setAccessibleName(QStringLiteral("Feuille"));
    cadre_->setFixedSize(taille_);
    poser(cadre_, Role::defaut);
    cadre_->move(0, 0);
    cadre_->installEventFilter(this);
    cadre_->show();
  }
  initialiser();
  s.dessinencours = false;
  FormPaint();
}

TFeuille::~TFeuille() {
  FormDestroy();
  rendu_.reset();
}

// The sheet is the backdrop of the dialogs: clicking it activates its frame, which the
// multiple-document area raises; it goes straight back under them.
bool TFeuille::eventFilter(QObject* objet, QEvent* e) {
  if (objet == cadre_ && e->type() == QEvent::ZOrderChange && !abaissement_) {
    abaissement_ = true;
    cadre_->lower();
    abaissement_ = false;
  }
  return QWidget::eventFilter(objet, e);
}

void TFeuille::formatpardefaut() {
  QSurfaceFormat f;
  f.setRenderableType(QSurfaceFormat::OpenGL);
  f.setProfile(QSurfaceFormat::CompatibilityProfile);
  f.setVersion(2, 1);
  f.setDepthBufferSize(24);
  f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  QSurfaceFormat::setDefaultFormat(f);
}

// Drawn and shown at once, not queued: a handler that changed the scene sees its frame on
// the screen when FormPaint returns.
void TFeuille::FormPaint() {
  if (scene.dessinencours || !glok()) return;
  dessiner();
  if (!changees_.isEmpty()) repaint(changees_);
  if (apresimage) apresimage();
}

void TFeuille::paintEvent(QPaintEvent*) {
  // A frame of another size is stale (the sheet was laid out again): draw one that fits.
  const QSize pixels = size() * devicePixelRatio();
  if (image_.size() != pixels && !scene.dessinencours && glok()) dessiner();
  QPainter p(this);
  if (image_.isNull())
    p.fillRect(rect(), Qt::white);
  else
    p.drawImage(rect(), image_);  // clipped to what needs showing
}

void TFeuille::dessiner(bool immobile) {
  quadrel::GardeDessin garde(scene);
  const qreal r = devicePixelRatio();
  const QSize pixels = size() * r;
  if (!garde || !glok() || pixels.isEmpty()) return;
  // Smoothing costs software GL about twice a frame: frames in a stream are drawn without,
  // and the still picture, multisampled with lines smoothed, once they stop.
  const bool suite = depuis_.isValid() && depuis_.elapsed() < kSuiteMs;
  depuis_.start();
  const bool lisse = scene.aliasing && (immobile || !suite);
  if (scene.aliasing && !lisse) affinage_->start();
  Sablier sablier;
  // The viewport is the sheet's outer size, as its projection: the drawing area shows its
  // lower left part.
  const QSize vue(int(taille_.width() * r), int(taille_.height() * r));
  std::optional<std::string> titre;
  const auto construire = [&] {
    suivremodele();
    quadrel::Frame f = quadrel::buildFrame(scene, crochets, scene.aliasing && !lisse);
    titre = std::move(f.caption);
    return std::move(f.commands);
  };
  // The new frame goes into the older buffer; the last one stays to compare with.
  std::swap(image_, precedente_);
  bool lue = true;
  try {
    // Strokes keep their look on a high-density screen: two device pixels a line at 2x.
    rendu_->epaisseur(r);
    lue = rendu_->rendre(pixels, vue, construire, image_, lisse ? kEchantillons : 0);
    lisse_ = lisse;
    if (lue) ++images_;
    if (lue && titre && cadre_) cadre_->setWindowTitle(QString::fromLatin1(titre->c_str()));
  } catch (const std::exception& e) {
    // A failing hook leaves this frame unfinished; the guards still clear the busy flag
    // and the cursor, and the next frame starts afresh.
    signaler(this, e.what());
  } catch (...) {
    signaler(this, "not a standard exception");
  }
  if (!lue) {
    std::swap(image_, precedente_);
    return;
  }
  changees_ = ligneschangees();
  // Said in words for a screen reader, as each frame is drawn: always the picture's.
  setAccessibleDescription(description());
}

void TFeuille::suivremodele() {
  if (scene.choixsectionVisible) quadrel::appelplan(scene, *this);
  if (scene.pointlibreVisible && quadrel::fonctionvalide(scene)) quadrel::hauteurpoint(scene);
}

// The band of rows that differ from the previous frame, in the sheet's coordinates: while
// the view turns, the white margins above and below the drawing stay as they were and need
// not be copied to the screen again. Unchanged rows compare at memory speed; a changed row
// stops at its first difference.
QRect TFeuille::ligneschangees() const {
  const qreal r = devicePixelRatio();
  if (precedente_.size() != image_.size() || r != 1) return rect();
  const int h = image_.height();
  const auto egale = [&](int y) {
    return std::memcmp(image_.constScanLine(y), precedente_.constScanLine(y),
                       std::size_t(image_.bytesPerLine())) == 0;
  };
  int haut = 0;
  while (haut < h && egale(haut)) ++haut;
  if (haut == h) return {};
  int bas = h - 1;
  while (bas > haut && egale(bas)) --bas;
  return QRect(0, haut, width(), bas - haut + 1);
}

// The picture multisampled, now that frames have stopped coming.
void TFeuille::affiner() {
  if (lisse_ || !scene.aliasing || scene.dessinencours || !glok()) return;
  dessiner(true);
  if (!changees_.isEmpty()) repaint(changees_);
}

QImage TFeuille::image() {
  if (scene.dessinencours || !glok()) return {};
  dessiner(true);
  // The screen shows this frame too, or the next one would compare with a frame never shown.
  if (!changees_.isEmpty()) update(changees_);
  QImage copie = image_.copy();
  for (int y = 0; y < copie.height(); ++y) {
    auto* ligne = reinterpret_cast<QRgb*>(copie.scanLine(y));
    for (int x = 0; x < copie.width(); ++x) ligne[x] |= 0xff000000u;
  }
  return copie;
}
