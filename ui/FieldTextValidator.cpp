#include "ui/FieldTextValidator.h"

#include <string>
#include <string_view>

namespace orbanil {

namespace {

std::u16string_view utf16(const QString& text)
{
    const QStringView view(text);
    return {view.utf16(), static_cast<std::size_t>(view.size())};
}

} // namespace

FieldTextValidator::FieldTextValidator(FilterKind kind, QObject* parent)
    : QValidator(parent), m_kind(kind)
{}

QValidator::State FieldTextValidator::validate(QString& text, int& caret) const
{
    if (caret > 0) {
        const auto lineEnd =
            static_cast<int>(lineEndBefore(utf16(text), static_cast<std::size_t>(caret)));
        text.remove(caret - lineEnd, lineEnd);
        caret -= lineEnd;
    }
    // The same length, so the caret stays where it is.
    const std::u16string converted = convertSeparators(m_kind, utf16(text));
    text = QString::fromStdU16String(converted);
    return isAdmittedText(m_kind, converted) ? Acceptable : Invalid;
}

} // namespace orbanil
