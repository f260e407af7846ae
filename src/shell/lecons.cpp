#include "shell/lecons.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardPaths>
#include <variant>

#include "sections/gui/choixsection.h"
#include "sections/gui/pointlibre.h"
#include "services/champ.h"
#include "shell/chemins.h"
#include "shell/demarrage.h"
#include "shell/dessin_lecon.h"
#include "shell/fichier_lecon.h"
#include "shell/fond.h"
#include "shell/historique.h"
#include "shell/hote.h"
#include "shell/lot.h"
#include "solids/gui/caraccone.h"
#include "solids/gui/caraccube.h"
#include "solids/gui/caraccyl.h"
#include "solids/gui/caracpyr.h"
#include "solids/gui/caracsphere.h"
#include "surfaces/gui/fonction3d.h"
#include "surfaces/gui/optionrepere.h"
#include "view/feuille.h"
#include "view/gui/optionrendu.h"

namespace {

constexpr int kRecents = 5;
const QString kFiltre = QStringLiteral("Leçons Quadrel (*.quadrel)");

QList<QWidget*> dialogues(const Application& a) {
  return {a.optionrepere,           a.fonction3d,           a.choixsection,
          a.quadriques.caracsphere, a.quadriques.caraccube, a.quadriques.caraccyl,
          a.quadriques.caraccone,   a.quadriques.caracpyr};
}

QColor couleurDe(quadrel::EtatChamp e) {
  return e == quadrel::EtatChamp::accepte  ? champ::noir
         : e == quadrel::EtatChamp::refuse ? champ::rouge
                                           : champ::bleu;
}

quadrel::EtatChamp etatDe(const QLineEdit* e) {
  const QColor c = champ::couleur(e);
  return c == champ::noir    ? quadrel::EtatChamp::accepte
         : c == champ::rouge ? quadrel::EtatChamp::refuse
                             : quadrel::EtatChamp::attente;
}

// What a lesson compares by: the view is no change.
bool memesChoses(const quadrel::Lecon& a, const quadrel::Lecon& b) {
  return a.modele == b.modele && a.champs == b.champs;
}

// "01-cloche-point-libre.quadrel" is listed as "Cloche point libre".
QString titreExemple(const QFileInfo& f) {
  QString t = f.completeBaseName();
  const qsizetype tiret = t.indexOf(QLatin1Char('-'));
  if (tiret >= 0 && tiret < 3) t = t.mid(tiret + 1);
  t.replace(QLatin1Char('-'), QLatin1Char(' '));
  if (!t.isEmpty()) t[0] = t[0].toUpper();
  return t;
}

QString documents() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// The wait cursor for the length of a scope, whatever leaves it.
struct Attente {
  Attente() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Attente() { QGuiApplication::restoreOverrideCursor(); }
  Attente(const Attente&) = delete;
  Attente& operator=(const Attente&) = delete;
};

// The mesh export's choices, before the file: a closed solid for a 3D printer, and the
// scale. False when cancelled; `ferme` and `echelle` are then left as they were.
bool demanderMaillage(QWidget* parent, bool& ferme, double& echelle) {
  QDialog d(parent);
  d.setObjectName(QStringLiteral("exportmaillage"));
  d.setWindowTitle(QStringLiteral("Exporter le maillage"));
  auto* fermeture = new QCheckBox(QStringLiteral("Solide &fermé, pour l'impression 3D"), &d);
  fermeture->setObjectName(QStringLiteral("ferme"));
  fermeture->setChecked(ferme);
  auto* saisie = new QLineEdit(&d);
  saisie->setObjectName(QStringLiteral("echelle"));
  saisie->setAccessibleName(QStringLiteral("Millimètres par unité"));
  // A decimal comma is taken, as in every field of the program.
  champ::filtrer(saisie, {QStringLiteral("0123456789.,"), {}, {}}, [](char16_t) { return true; });
  champ::ecrire(saisie, QString::number(echelle, 'g', 15));
  auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
  QPushButton* ok = boutons->button(QDialogButtonBox::Ok);
  boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));
  auto* forme = new QFormLayout(&d);
  forme->addRow(fermeture);
  forme->addRow(QStringLiteral("&Millimètres par unité :"), saisie);
  forme->addRow(boutons);
  double lue = echelle;
  const auto lire = [&] {
    QString t = saisie->text();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return quadrel::lireEchelle(t.toStdString(), lue);
  };
  QObject::connect(saisie, &QLineEdit::textChanged, ok, [&] { ok->setEnabled(lire()); });
  QObject::connect(boutons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  QObject::connect(boutons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  saisie->setFocus();  // the scale is what is most often changed: typing replaces it
  saisie->selectAll();
  if (d.exec() != QDialog::Accepted || !lire()) return false;
  ferme = fermeture->isChecked();
  echelle = lue;
  return true;
}

}  // namespace

Lecons::Lecons(Application& a) : QObject(a.fond.get()), a_(a) {
  creermenu();
  // The area under the menu bar takes its size now, before anything is placed in it.
  if (QLayout* l = a_.fond->layout()) l->activate();
  a_.fond->setAcceptDrops(true);
  a_.fond->installEventFilter(this);
  a_.fond->avantfermeture = [this] { return peutquitter(); };
  depart_ = capturer();
}

QString Lecons::dossierExemples() {
  return dossierRessources() + QStringLiteral("/exemples");
}

void Lecons::creermenu() {
  QMenu* m = a_.fond->menuBar()->addMenu(QStringLiteral("&Fichier"));
  m->setAccessibleName(QStringLiteral("Fichier"));
  const auto action = [&](const QString& nom, QKeySequence touches, auto faire) {
    QAction* act = m->addAction(nom);
    act->setShortcut(touches);
    act->setShortcutContext(Qt::ApplicationShortcut);
    connect(act, &QAction::triggered, this, faire);
    return act;
  };
  action(QStringLiteral("Ouvrir…"), QKeySequence::Open, [this] {
    const QString c =
        QFileDialog::getOpenFileName(a_.fond.get(), QStringLiteral("Ouvrir"), documents(), kFiltre);
    if (!c.isEmpty()) ouvrir(c);
  });
  action(QStringLiteral("Enregistrer"), QKeySequence::Save, [this] { enregistrer(); });
  action(QStringLiteral("Enregistrer sous…"), QKeySequence(QStringLiteral("Ctrl+Shift+S")),
         [this] { enregistrersous(); });
  m->addSeparator();
  action(QStringLiteral("Exporter l'image…"), {}, [this] { exporterimage(); });
  action(QStringLiteral("Exporter le maillage…"), {}, [this] { exportermaillage(); });
  m->addSeparator();
  QMenu* exemples = m->addMenu(QStringLiteral("Exemples"));
  const QFileInfoList liste =
      QDir(dossierExemples()).entryInfoList({QStringLiteral("*.quadrel")}, QDir::Files, QDir::Name);
  for (const QFileInfo& f : liste)
    connect(exemples->addAction(titreExemple(f)), &QAction::triggered, this,
            [this, c = f.absoluteFilePath()] { ouvrir(c); });
  exemples->setEnabled(!liste.isEmpty());
  recents_ = m->addMenu(QStringLiteral("Fichiers récents"));
  majrecents();
}

void Lecons::majrecents() {
  if (!recents_) return;
  recents_->clear();
  const QStringList r = QSettings().value(QStringLiteral("recents")).toStringList();
  const QStringList libelles = libellesRecents(r);
  for (qsizetype k = 0; k < r.size(); ++k)
    connect(recents_->addAction(libelles[k]), &QAction::triggered, this,
            [this, c = r[k]] { ouvrir(c); });
  recents_->setEnabled(!r.isEmpty());
}

QStringList Lecons::libellesRecents(const QStringList& chemins) {
  QStringList noms;
  for (const QString& c : chemins) noms << QFileInfo(c).fileName();
  QStringList libelles;
  for (qsizetype k = 0; k < chemins.size(); ++k) {
    QString l = noms[k];
    if (noms.count(noms[k]) > 1)
      l += QStringLiteral(" (") + QDir::toNativeSeparators(QFileInfo(chemins[k]).absolutePath()) +
           QLatin1Char(')');
    libelles << l.replace(QLatin1Char('&'), QStringLiteral("&&"));
  }
  return libelles;
}

void Lecons::retenir(const QString& chemin) {
  const QString c = QFileInfo(chemin).absoluteFilePath();
  if (c.startsWith(dossierExemples())) return;  // examples have their own menu
  QSettings reglages;
  QStringList r = reglages.value(QStringLiteral("recents")).toStringList();
  r.removeAll(c);
  r.prepend(c);
  while (r.size() > kRecents) r.removeLast();
  reglages.setValue(QStringLiteral("recents"), r);
  majrecents();
}

void Lecons::message(const QString& texte, bool erreur) const {
  qWarning("quadrel: %s", qPrintable(texte));
  QMessageBox boite(erreur ? QMessageBox::Warning : QMessageBox::Information,
                    QStringLiteral("Quadrel"), texte, QMessageBox::Ok, a_.fond.get());
  boite.exec();
}

quadrel::Lecon Lecons::capturer() const {
  quadrel::Lecon l;
  l.modele = a_.scene;
  l.vue = a_.scene;
  for (QWidget* d : dialogues(a_)) {
    if (!d) continue;
    for (const QLineEdit* e : d->findChildren<QLineEdit*>()) {
      if (e->objectName().isEmpty()) continue;
      const std::string cle = (d->objectName() + QLatin1Char('/') + e->objectName()).toStdString();
      l.champs[cle] = {champ::latin1(e->text()), etatDe(e)};
    }
  }
  if (a_.fonction3d) l.formuledessinee = champ::latin1(a_.fonction3d->formuledessinee());
  return l;
}

void Lecons::restaurer(const quadrel::Lecon& l) {
  // The fields first, then the model over whatever their handlers wrote.
  for (QWidget* d : dialogues(a_)) {
    if (!d) continue;
    for (QLineEdit* e : d->findChildren<QLineEdit*>()) {
      const auto c =
          l.champs.find((d->objectName() + QLatin1Char('/') + e->objectName()).toStdString());
      if (c == l.champs.end()) continue;
      champ::ecrire(e, champ::depuislatin1(c->second.texte));
      champ::colorer(e, couleurDe(c->second.etat));
    }
  }
  const quadrel::Modele& m = l.modele;
  if (Tchoixsection* s = a_.choixsection) {
    const QSignalBlocker b1(s->valk);
    QRadioButton* genres[] = {s->p1, s->p2, s->p3, s->p4};
    for (int i = 0; i < 4; ++i) {
      const QSignalBlocker b(genres[i]);
      genres[i]->setChecked(m.actives[std::size_t(i)]);
    }
    for (std::size_t i = 0; i < 6; ++i) {
      champ::ecrire(s->edits[i], champ::depuislatin1(m.formules[i]));
      s->edits[i]->setEnabled(m.actives[i]);
    }
    champ::ecrire(s->kmin, champ::depuislatin1(m.kmin));
    champ::ecrire(s->kmax, champ::depuislatin1(m.kmax));
    s->valk->setValue(m.position);
  }
  if (Tfonction3d* f = a_.fonction3d) {
    const QSignalBlocker b(f->precision);
    f->precision->setValue(m.precision);
    champ::ecrire(f->Edit1, champ::depuislatin1(m.formule));
  }
  if (Toptionrepere* r = a_.optionrepere) {
    QRadioButton* types[] = {r->reperetype1, r->reperetype2, r->maskrepere};
    for (int i = 0; i < 3; ++i) {
      const QSignalBlocker b(types[i]);
      types[i]->setChecked(int(m.typerepere) == i);
    }
  }
  static_cast<quadrel::Modele&>(a_.scene) = m;
  static_cast<quadrel::Vue&>(a_.scene) = l.vue;
  if (a_.optionrendu) a_.optionrendu->relire();
  if (a_.fonction3d) a_.fonction3d->setetat(m.etatformule);
  // The dialogs that the frame draws by are shown as the lesson says, the point where it is.
  if (a_.Pointlibre) {
    a_.Pointlibre->garderposition = true;
    if (m.pointlibreVisible && !a_.Pointlibre->isVisible()) a_.hote->ouvrir(a_.Pointlibre);
    if (!m.pointlibreVisible && a_.Pointlibre->isVisible()) a_.Pointlibre->close();
    a_.Pointlibre->garderposition = false;
  }
  if (a_.choixsection) {
    if (m.choixsectionVisible && !a_.choixsection->isVisible()) a_.hote->ouvrir(a_.choixsection);
    if (!m.choixsectionVisible && a_.choixsection->isVisible()) a_.choixsection->close();
  }
  static_cast<quadrel::PointLibre&>(a_.scene) = m;
  static_cast<quadrel::Section&>(a_.scene) = m;
  if (Tchoixsection* s = a_.choixsection) {
    const quadrel::VerificationBornes v = quadrel::verifieBornes(m);
    s->valk->setEnabled(v.curseurActif);
    if (v.affk) s->affk->setText(QString::fromLatin1(quadrel::texteK(m.k).c_str()));
  }
  TFeuille* f = a_.Feuille;
  if (!f) return;
  for (quadrel::Liste liste : {quadrel::Liste::axes, quadrel::Liste::surface,
                               quadrel::Liste::lignesx, quadrel::Liste::pyramide})
    f->reconstruire(liste);
  f->FormPaint();
}

bool Lecons::modifiee() const {
  return reference_ && !memesChoses(*reference_, capturer());
}

bool Lecons::peutquitter() {
  if (!modifiee()) return true;
  QMessageBox q(QMessageBox::Question, QStringLiteral("Quadrel"),
                QStringLiteral("Enregistrer les modifications ?"), QMessageBox::NoButton,
                a_.fond.get());
  QPushButton* oui = q.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
  QPushButton* non = q.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
  QPushButton* annuler = q.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
  q.setDefaultButton(oui);
  q.setEscapeButton(annuler);
  q.exec();
  if (q.clickedButton() == oui) return enregistrer();
  return q.clickedButton() == non;
}

bool Lecons::ouvrir(const QString& chemin, bool sansquestion) {
  if (!sansquestion && !peutquitter()) return false;
  const auto lue = quadrel::lireFichierLecon(chemin, depart_);
  if (const auto* e = std::get_if<quadrel::ErreurLecon>(&lue)) {
    message(QStringLiteral("La leçon « %1 » ne peut pas être ouverte.\n%2")
                .arg(QFileInfo(chemin).fileName(), QString::fromStdString(e->message)));
    return false;
  }
  const quadrel::LeconLue& l = std::get<quadrel::LeconLue>(lue);
  restaurer(l.lecon);
  if (historique) historique->oublier();
  chemin_ = QFileInfo(chemin).absoluteFilePath();
  reference_ = capturer();
  retenir(chemin_);
  a_.fond->setWindowTitle(QStringLiteral("Quadrel - ") + QFileInfo(chemin_).fileName());
  if (!l.clesinconnues.empty()) {
    QStringList cles;
    for (const std::string& c : l.clesinconnues) cles << QString::fromStdString(c);
    const QString debut = l.version > quadrel::kVersionLecon
                              ? QStringLiteral(
                                    "Cette leçon vient d'une version plus récente de "
                                    "Quadrel. Ces réglages sont ignorés : %1.")
                              : QStringLiteral("Ces réglages inconnus sont ignorés : %1.");
    message(debut.arg(cles.join(QStringLiteral(", "))), false);
  }
  return true;
}

bool Lecons::enregistrer() {
  // An example, or any file that cannot be written, is saved elsewhere.
  if (chemin_.isEmpty() || chemin_.startsWith(dossierExemples()) ||
      !QFileInfo(chemin_).isWritable())
    return enregistrersous();
  const quadrel::Lecon l = capturer();
  QString erreur;
  if (!quadrel::ecrireFichier(chemin_, quadrel::ecrireLecon(l), erreur)) {
    message(erreur);
    return enregistrersous();
  }
  reference_ = l;
  retenir(chemin_);
  return true;
}

bool Lecons::enregistrersous() {
  const QString depart = chemin_.isEmpty() || chemin_.startsWith(dossierExemples())
                             ? documents() + QStringLiteral("/lecon.quadrel")
                             : chemin_;
  QString c = QFileDialog::getSaveFileName(a_.fond.get(), QStringLiteral("Enregistrer sous"),
                                           depart, kFiltre);
  if (c.isEmpty()) return false;
  if (!c.endsWith(QStringLiteral(".quadrel"))) c += QStringLiteral(".quadrel");
  const quadrel::Lecon l = capturer();
  QString erreur;
  if (!quadrel::ecrireFichier(c, quadrel::ecrireLecon(l), erreur)) {
    message(erreur);
    return false;
  }
  chemin_ = QFileInfo(c).absoluteFilePath();
  reference_ = l;
  retenir(chemin_);
  a_.fond->setWindowTitle(QStringLiteral("Quadrel - ") + QFileInfo(chemin_).fileName());
  return true;
}

void Lecons::exporterimage() {
  TFeuille* f = a_.Feuille;
  if (!f) return;
  // Larger factors are offered while the picture stays within what can be drawn.
  const QSize feuille = f->taille();
  QStringList tailles{QStringLiteral("1× (taille de la feuille)")};
  for (int k : {2, 4})
    if (std::max(feuille.width(), feuille.height()) * k <= quadrel::kCoteImageMax)
      tailles << QStringLiteral("%1×").arg(k);
  bool ok = false;
  const QString choix = QInputDialog::getItem(
      a_.fond.get(), QStringLiteral("Exporter l'image"), QStringLiteral("Taille :"), tailles,
      int(std::min<qsizetype>(1, tailles.size() - 1)), false, &ok);
  if (!ok) return;
  const int facteur = choix.startsWith(QLatin1Char('4'))   ? 4
                      : choix.startsWith(QLatin1Char('2')) ? 2
                                                           : 1;
  const QString c = QFileDialog::getSaveFileName(a_.fond.get(), QStringLiteral("Exporter l'image"),
                                                 documents() + QStringLiteral("/figure.png"),
                                                 QStringLiteral("Images PNG (*.png)"));
  if (c.isEmpty()) return;
  std::string erreur;
  quadrel::OptionsImage options;
  options.echelle = facteur;
  QByteArray octets;
  {
    const Attente attente;  // a 4x picture takes seconds to draw and encode
    octets = quadrel::enPng(quadrel::imageSansEcran(a_.scene, feuille * facteur, erreur, options));
  }
  QString e;
  if (octets.isEmpty())
    message(QStringLiteral("L'image ne peut pas être dessinée : ") +
            QString::fromStdString(erreur));
  else if (!quadrel::ecrireFichier(c, {octets.constData(), std::size_t(octets.size())}, e))
    message(e);
}

void Lecons::exportermaillage() {
  if (!demanderMaillage(a_.fond.get(), maillageferme_, maillageechelle_)) return;
  const QString c = QFileDialog::getSaveFileName(
      a_.fond.get(), QStringLiteral("Exporter le maillage"),
      documents() + QStringLiteral("/surface.stl"), QStringLiteral("Maillages STL (*.stl)"));
  if (c.isEmpty()) return;
  const std::vector<unsigned char> stl = quadrel::stlDe(a_.scene, maillageferme_, maillageechelle_);
  if (stl.empty()) return message(QStringLiteral("Ni surface ni solide à exporter."));
  QString e;
  if (!quadrel::ecrireFichier(c, {reinterpret_cast<const char*>(stl.data()), stl.size()}, e))
    message(e);
}

bool Lecons::eventFilter(QObject* objet, QEvent* e) {
  if (e->type() == QEvent::DragEnter) {
    auto* d = static_cast<QDragEnterEvent*>(e);
    if (d->mimeData()->hasUrls()) d->acceptProposedAction();
    return true;
  }
  if (e->type() == QEvent::Drop) {
    auto* d = static_cast<QDropEvent*>(e);
    const QList<QUrl> urls = d->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) ouvrir(urls.first().toLocalFile());
    return true;
  }
  return QObject::eventFilter(objet, e);
}

void ouvrirLecon(Application& a, const QString& chemin) {
  if (a.lecons) a.lecons->ouvrir(chemin, true);
}
