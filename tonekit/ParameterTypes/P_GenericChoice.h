#pragma once
// A choice among identified options. Presets store the option's id, so options may be reordered
// or regrouped between versions; the host sees option i of n at the normalized centre
// (i + 0.5) / n and any value within an option's n-th of 0..1 selects it.
//
// The owner builds the option tree before collection:
//     choice->begin_options();
//     choice->append_option(1, u"Linear");
//     choice->begin_group(u"More");  ...  choice->end_group();
//     choice->append_separator();
//     choice->end_options();

#include "orvo/Containers/Map.h"
#include "orvo/Core/Vector.h"
#include "tonekit/ParameterTypes/P_GenericChoice_Node.h"
#include "tonekit/Parameters/Parameter.h"

#include <cstdint>
#include <memory>

namespace Tonekit {

class P_GenericChoice : public Parameter {
public:
    P_GenericChoice();

    void begin_options();
    P_GenericChoice_Option* append_option(std::uint32_t a_id, const Orvo::WString& a_name,
                                          const Orvo::WString& a_label = {});
    void begin_group(const Orvo::WString& a_name);
    void end_group();
    void append_separator();
    void end_options();

    // The option whose own value is stored beside its id, under "User".
    void set_editable_option(std::uint32_t a_id) noexcept { m_editable_option_id = a_id; }
    // 0 selects the first option (P_TypedChoice: the option holding the default value).
    void set_default_option(std::uint32_t a_id) noexcept { m_default_id = a_id; }

    // Makes the option with a_id current (the first option when a_id is unknown) and moves the
    // normalized value to its centre. False when it already was current.
    bool select(std::uint32_t a_id);
    // [ui-thread] The editor road for choosing an option (host told, committed or queued).
    void set_option(std::uint32_t a_id);

    P_GenericChoice_Option* get_current_option() const noexcept { return m_current; }
    std::uint32_t get_current_id() const noexcept { return m_current ? m_current->m_id : 0; }
    P_GenericChoice_Option* find_option(std::uint32_t a_id) const;
    const Orvo::Vector<P_GenericChoice_Option*>& get_options() const noexcept {
        return m_options_vector;
    }
    P_GenericChoice_Group& get_root() noexcept { return m_root; }

    void do_initialize() override;
    bool do_load(Orvo::BiniNode& a_node) override;
    void reset() override;
    void do_save(Orvo::BiniNode& a_node) override;
    void copy_value(const Parameter& a_other) override;
    void get_value_text(Orvo::WString& a_text) override;

    virtual void do_load_editable_value(Orvo::BiniNode& a_node);
    virtual void do_save_editable_value(Orvo::BiniNode& a_node);
    // Ids that an older version stored differently are mapped here.
    virtual std::uint32_t translate_loaded_id(std::uint32_t a_id) { return a_id; }
    virtual std::uint32_t translate_saved_id(std::uint32_t a_id) { return a_id; }

    static constexpr std::uint32_t child_user = Orvo::four_cc("User");

protected:
    P_GenericChoice_Option* p_append_option(std::unique_ptr<P_GenericChoice_Option> a_option);
    std::uint32_t m_default_id = 0;

private:
    struct Builder {
        Orvo::Vector<P_GenericChoice_Group*> m_groups;
    };

    static void p_normalize(Parameter* a_parameter);
    static void p_denormalize(Parameter* a_parameter);
    void p_collect_options();

    P_GenericChoice_Group m_root;
    std::unique_ptr<Builder> m_builder;
    Orvo::Vector<P_GenericChoice_Option*> m_options_vector;
    Orvo::Map<std::uint32_t, P_GenericChoice_Option*> m_option_map;
    P_GenericChoice_Option* m_current = nullptr;
    std::uint32_t m_editable_option_id = 0;
};

} // namespace Tonekit
