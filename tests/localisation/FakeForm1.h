#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tembrix/localisation/Form1Controls.h"
#include "tembrix/localisation/TranslatableWindow.h"
#include "tembrix/platform/Cp1252.h"

// The main window as the language walks see it, built from the control table
// with the built-in texts in Windows-1252, as the real window hands them over.
class FakeControl : public tembrix::TranslatableControl {
public:
    explicit FakeControl(const tembrix::ControlText& row)
        : m_name(row.name), m_index(row.index < 0 ? std::nullopt : std::optional<int>(row.index)) {
        if (row.hasCaption)
            m_caption = tembrix::cp1252FromUtf8(row.caption);
        if (row.hasToolTip)
            m_toolTip = tembrix::cp1252FromUtf8(row.toolTip);
    }

    std::string name() const override { return m_name; }
    std::optional<int> index() const override { return m_index; }
    std::optional<std::string> caption() const override { return m_caption; }
    void setCaption(const std::string& text) override {
        if (m_caption)
            m_caption = text;
    }
    std::optional<std::string> toolTip() const override { return m_toolTip; }
    void setToolTip(const std::string& text) override {
        if (m_toolTip)
            m_toolTip = text;
    }

private:
    std::string m_name;
    std::optional<int> m_index;
    std::optional<std::string> m_caption;
    std::optional<std::string> m_toolTip;
};

class FakeForm1 : public tembrix::TranslatableWindow {
public:
    FakeForm1() : m_title(tembrix::cp1252FromUtf8(tembrix::form1BuiltinTitle())) {
        for (const tembrix::ControlText& row : tembrix::form1Controls())
            m_controls.push_back(std::make_unique<FakeControl>(row));
    }

    std::string name() const override { return std::string(tembrix::kForm1Name); }
    std::string title() const override { return m_title; }
    void setTitle(const std::string& text) override { m_title = text; }
    std::vector<tembrix::TranslatableControl*> controls() const override {
        std::vector<tembrix::TranslatableControl*> result;
        for (const auto& control : m_controls)
            result.push_back(control.get());
        return result;
    }

    /// The control `name` (with `index`, or -1 for a single control); it must exist.
    FakeControl& control(const std::string& name, int index = -1) {
        for (const auto& c : m_controls)
            if (c->name() == name && c->index().value_or(-1) == index)
                return *c;
        throw std::out_of_range(name);
    }
    std::string caption(const std::string& name, int index = -1) {
        return control(name, index).caption().value_or("<none>");
    }

private:
    std::string m_title;
    std::vector<std::unique_ptr<FakeControl>> m_controls;
};
