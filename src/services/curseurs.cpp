#include "services/curseurs.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <vector>

#include "services/cursorfile.h"

namespace {

constexpr int kRoles = 7;

struct Forme {
  std::vector<QCursor> images;  // empty: the standard shape
  fichiercurseur::Fichier fichier;
};

struct Etat {
  std::array<Forme, kRoles> formes;
  std::vector<QPointer<QWidget>> animes;  // widgets showing the animated help role
  QTimer* minuterie = nullptr;
  std::size_t etape = 0;
};

Etat& etat() {
  static Etat e;
  return e;
}

Qt::CursorShape standard(Role r) {
  static constexpr Qt::CursorShape formes[kRoles] = {
      Qt::CrossCursor, Qt::ArrowCursor,    Qt::WaitCursor,     Qt::PointingHandCursor,
      Qt::ArrowCursor, Qt::DragMoveCursor, Qt::WhatsThisCursor};
  return formes[int(r)];
}

QCursor versqt(const fichiercurseur::Image& img) {
  QImage q(img.largeur, img.hauteur, QImage::Format_ARGB32);
  for (int y = 0; y < img.hauteur; ++y)
    for (int x = 0; x < img.largeur; ++x)
      q.setPixel(x, y, img.argb[std::size_t(y) * img.largeur + x]);
  return QCursor(QPixmap::fromImage(q), img.hotx, img.hoty);
}

bool lirefichier(const QString& chemin, Forme& forme) {
  forme = Forme{};
  QFile f(chemin);
  if (f.size() > qint64(fichiercurseur::kTailleMax) || !f.open(QIODevice::ReadOnly)) return false;
  const QByteArray octets = f.readAll();
  auto lu = fichiercurseur::lire(std::span(
      reinterpret_cast<const std::uint8_t*>(octets.constData()), std::size_t(octets.size())));
  if (!lu) return false;
  forme.images.clear();
  for (const auto& img : lu->images) forme.images.push_back(versqt(img));
  forme.fichier = std::move(*lu);
  return true;
}

void avancer() {
  Etat& e = etat();
  const Forme& f = e.formes[int(Role::aide)];
  if (f.fichier.sequence.empty()) return;
  e.etape = (e.etape + 1) % f.fichier.sequence.size();
  const QCursor& c = f.images[std::size_t(f.fichier.sequence[e.etape])];
  std::erase_if(e.animes, [](const QPointer<QWidget>& w) { return w.isNull(); });
  for (const auto& w : e.animes) w->setCursor(c);
  e.minuterie->start(f.fichier.durees[e.etape] * 1000 / 60);
}

}  // namespace

int chargercurseurs(const QString& dossier) {
  static const char* const fichiers[kRoles] = {"main2.cur",   "fleche.cur", "wait.cur",
                                               "main1.cur",   "crayon.cur", "rigolo.cur",
                                               "question.ani"};
  int lus = 0;
  for (int r = 0; r < kRoles; ++r)
    lus += lirefichier(dossier + QLatin1Char('/') + QLatin1String(fichiers[r]), etat().formes[r]);
  if (!QCoreApplication::instance()) return lus;
  auto*& m = etat().minuterie;
  if (!m) {
    m = new QTimer(QCoreApplication::instance());
    m->setSingleShot(true);
    QObject::connect(m, &QTimer::timeout, avancer);
    // Pixmaps must not outlive the application.
    QObject::connect(m, &QObject::destroyed, [] {
      etat().minuterie = nullptr;
      etat().animes.clear();
      etat().formes = {};
    });
  }
  const Forme& aide = etat().formes[int(Role::aide)];
  if (aide.fichier.sequence.size() > 1) m->start(aide.fichier.durees[0] * 1000 / 60);
  return lus;
}

bool curseurcharge(Role role) {
  return !etat().formes[int(role)].images.empty();
}

QCursor curseur(Role role) {
  const Forme& f = etat().formes[int(role)];
  if (f.images.empty()) return QCursor(standard(role));
  const std::size_t etape = role == Role::aide ? etat().etape : 0;
  return f.images[std::size_t(f.fichier.sequence[etape % f.fichier.sequence.size()])];
}

void poser(QWidget* w, Role role) {
  if (!w) return;
  w->setCursor(curseur(role));
  if (role == Role::aide) etat().animes.emplace_back(w);
}
