#pragma once

#include "core/block/KeyFilter.h"

#include <QValidator>

namespace orbanil {

// Holds a one-line field to the text its keystroke rule lets through character by character,
// however the text arrives: pasted from the context menu, by Shift+Insert or a middle click,
// or dropped, the other convention's decimal separator made the field's own first. The field
// undoes an edit that breaks the rule as a whole and emits inputRejected.
// The line end just before the caret, which a paste brings along from a copied line, is dropped.
class FieldTextValidator : public QValidator
{
    Q_OBJECT
public:
    FieldTextValidator(FilterKind kind, QObject* parent);

    State validate(QString& text, int& caret) const override;

private:
    FilterKind m_kind;
};

} // namespace orbanil
