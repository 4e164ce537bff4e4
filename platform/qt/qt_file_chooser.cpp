#include "platform/qt/qt_file_chooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace kavel::qt {

std::string QtFileChooser::ChooseOpenFile(const FileChooserRequest& request) {
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        // Qt takes the patterns from the parentheses; add them where the label has none.
        const std::string bracketed = "(" + filter.pattern + ")";
        const bool shown = filter.label.find(bracketed) != std::string::npos;
        filters << QString::fromStdString(shown ? filter.label : filter.label + " " + bracketed);
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
