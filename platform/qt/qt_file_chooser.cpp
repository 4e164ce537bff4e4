#include "platform/qt/qt_file_chooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace kavel::qt {

std::string QtFileChooser::ChooseOpenFile(const FileChooserRequest& request) {
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        // Qt takes the patterns from the label's parentheses: show the ones actually used.
        QString label = QString::fromStdString(filter.label).trimmed();
        if (label.endsWith(')') && label.contains('(')) {
            label = label.left(label.lastIndexOf('(')).trimmed();
        }
        filters << label + " (" + QString::fromStdString(filter.pattern) + ")";
    }
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDirectory(QString::fromStdString(request.start_folder));
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromStdString(request.default_extension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace kavel::qt
