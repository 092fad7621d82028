#pragma once
// A state that holds while any scope that raised it is alive. Scopes nest, so an inner scope
// ending never lowers the state its caller raised.

#include <utility>

namespace aec {

class ScopedState {
  public:
    class [[nodiscard]] Scope {
      public:
        explicit Scope(ScopedState& state) : m_state(&state) { ++state.m_depth; }
        Scope(Scope&& other) noexcept : m_state(std::exchange(other.m_state, nullptr)) {}
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        Scope& operator=(Scope&&) = delete;
        ~Scope() {
            if (m_state) {
                --m_state->m_depth;
            }
        }

      private:
        ScopedState* m_state;
    };

    ScopedState() = default;
    // A copy starts lowered: it lives outside the scopes of its source.
    ScopedState(const ScopedState& /*other*/) {}
    ScopedState& operator=(const ScopedState& /*other*/) { return *this; }

    bool raised() const { return m_depth > 0; }
    Scope raise() { return Scope(*this); }

  private:
    int m_depth = 0;
};

}  // namespace aec
