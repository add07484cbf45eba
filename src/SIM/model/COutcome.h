// SPDX-License-Identifier: GPL-3.0-or-later
// What an operation of the model answers instead of asking the person: it
// applied the change; it refused it, with the alert that says why; or it
// puts a question with its choices. Whoever talks to the person shows it
// and, for a question, gives the answer back to the model.
#pragma once

#include <string>
#include <utility>
#include <vector>

class COutcome {
public:
    enum class CKind { applied, refused, question };

    COutcome() = default;  // applied
    static COutcome applied() { return {}; }
    // A refusal with the alert that says why; with no message, a value
    // outside its rule, which the caller checks first and names itself.
    static COutcome refused(std::string title = {}, std::string message = {})
    {
        return {CKind::refused, std::move(title), std::move(message), {std::string(kAcknowledge)}, false};
    }
    // A question put before anything changed: the caller asks again with the
    // answer (the operation says how), or leaves everything as it is.
    static COutcome question(std::string title, std::string message, std::vector<std::string> choices)
    {
        return {CKind::question, std::move(title), std::move(message), std::move(choices), false};
    }
    // A question put after the work, which is kept: the first choice keeps
    // it, another takes it back (CSimulation::takeBackPartialWork).
    static COutcome questionAfterWork(std::string title, std::string message, std::vector<std::string> choices)
    {
        return {CKind::question, std::move(title), std::move(message), std::move(choices), true};
    }

    // True when the change was applied, so `if (!sim.setX(v))` reads as a refusal.
    explicit operator bool() const { return kind_ == CKind::applied; }
    CKind kind() const { return kind_; }
    bool isRefused() const { return kind_ == CKind::refused; }
    bool isQuestion() const { return kind_ == CKind::question; }
    bool workKept() const { return workKept_; }
    const std::string& title() const { return title_; }
    const std::string& message() const { return message_; }
    // The buttons of its alert: a refusal's is the one that acknowledges it.
    const std::vector<std::string>& choices() const { return choices_; }

private:
    static constexpr const char* kAcknowledge = "OK";
    COutcome(CKind kind, std::string title, std::string message, std::vector<std::string> choices, bool workKept)
        : kind_(kind), title_(std::move(title)), message_(std::move(message)), choices_(std::move(choices)), workKept_(workKept)
    {
    }
    CKind kind_ = CKind::applied;
    std::string title_, message_;
    std::vector<std::string> choices_;
    bool workKept_ = false;
};
