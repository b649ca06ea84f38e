#pragma once
// A combo box over a choice model: it shows the selected item's label and offers every item; a
// choice selects the item in the model. The model is the box's own unless one is given.

#include "vexa/Widgets/ChoiceModel.h"
#include "vexa/Widgets/ComboBox.h"

#include <memory>

namespace Vexa {

class Choice : public ComboBox {
public:
    Choice();
    ~Choice() override;
    const char16_t* get_widget_class() const override { return u"Choice"; }

    // A model that outlives the box; null goes back to the box's own.
    void set_model(ChoiceModel* a_model);
    ChoiceModel& get_model() const noexcept { return *m_model; }

protected:
    void build_item_tree(ComboBoxItemTreeBuilder& a_builder) override;
    void item_chosen(const ComboBoxItem& a_item) override;
    std::u16string display_text() const override;

private:
    void p_on_item_added(ChoiceModelEvents::OnItemAdded& a_event);
    void p_on_selection_changed(ChoiceModelEvent& a_event);
    void p_connect();

    std::unique_ptr<ChoiceModel> m_own_model;
    ChoiceModel* m_model;
    std::vector<Orvo::Connection*> m_model_connections;
};

} // namespace Vexa
