#include "calculator/forms/FileDialogs.h"

#include <QFileDialog>

namespace {
TFileDialogProvider& Provider()
{
    static TFileDialogProvider provider;
    return provider;
}

// The pattern behind "|" ("*.QVR").
QString Pattern(const QString& designedFilter)
{
    const qsizetype bar = designedFilter.indexOf(QLatin1Char('|'));
    return bar < 0 ? QString() : designedFilter.mid(bar + 1).trimmed();
}

std::optional<QString> QtDialog(QWidget* parent, const TFileDialogRequest& request)
{
    QFileDialog dialog(parent, request.Title, request.InitialDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The pattern lists every letter case; the user sees the designed text without it.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(QtNameFilter(request.Filter));
    dialog.setDefaultSuffix(DefaultSuffix(request.Filter));
    if (request.Mode == TFileDialogRequest::TMode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.FileName.isEmpty())
        dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
}  // namespace

std::optional<QString> RunFileDialog(QWidget* parent, const TFileDialogRequest& request)
{
    return Provider() ? Provider()(parent, request) : QtDialog(parent, request);
}

void SetFileDialogProvider(TFileDialogProvider provider)
{
    Provider() = std::move(provider);
}

QString QtNameFilter(const QString& designedFilter)
{
    const qsizetype bar = designedFilter.indexOf(QLatin1Char('|'));
    const QString text = bar < 0 ? designedFilter : designedFilter.left(bar);
    QString pattern;
    for (const QChar c : Pattern(designedFilter)) {
        if (c.isLetter())
            pattern += QLatin1Char('[') + c.toUpper() + c.toLower() + QLatin1Char(']');
        else
            pattern += c;
    }
    // Qt takes the patterns from the last parentheses of the text.
    const qsizetype open = text.lastIndexOf(QLatin1Char('('));
    const QString description = (open < 0 ? text : text.left(open)).trimmed();
    return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

QString DefaultSuffix(const QString& designedFilter)
{
    const QString pattern = Pattern(designedFilter);
    const qsizetype dot = pattern.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : pattern.mid(dot + 1).toLower();
}
