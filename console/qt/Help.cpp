#include "console/qt/Help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTextDocument>
#include <QUrl>

#include "console/HelpTarget.h"

namespace telvane {
namespace {

// Desktops open Markdown as plain text, if at all; as HTML it reads like a manual.
QString GuideAsHtml(const QString& markdownPath) {
  QFile markdown(markdownPath);
  if (!markdown.open(QIODevice::ReadOnly)) return markdownPath;
  QTextDocument document;
  document.setMarkdown(QString::fromUtf8(markdown.readAll()));
  const QString htmlPath = QDir::temp().filePath("telvane-user-guide.html");
  QFile html(htmlPath);
  if (!html.open(QIODevice::WriteOnly | QIODevice::Truncate)) return markdownPath;
  html.write(document.toHtml().toUtf8());
  return htmlPath;
}

}  // namespace

void OpenHelp(const std::string& programFolder) {
  QString target = QString::fromStdString(HelpTarget(programFolder));
  if (target.isEmpty()) {
    QMessageBox::information(
        nullptr, "Telvane",
        QString("Neither %1 nor the user guide (%2) is installed in %3.")
            .arg(HelpProgramName, UserGuideName, QString::fromStdString(programFolder)));
    return;
  }
  if (target.endsWith(".md")) target = GuideAsHtml(target);
  QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}

}  // namespace telvane
