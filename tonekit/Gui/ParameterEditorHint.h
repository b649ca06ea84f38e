#pragma once
// The hint of a parameter editor: the parameter's name and its value as it is when the hint
// shows ("Delay: 12.5 ms"). It asks the editor for the parameter each time, so it never outlives
// what it describes.

#include "vexa/Widget/WidgetHint.h"

namespace Tonekit {

class SingleParameterEditor;

class ParameterEditorHint : public Vexa::WidgetHint {
public:
    explicit ParameterEditorHint(SingleParameterEditor& a_editor) : m_editor(a_editor) {}
    std::u16string get_text() const override;

private:
    SingleParameterEditor& m_editor;
};

} // namespace Tonekit
