#pragma once
// One step at a time on the processor for work that runs through many modes: load a mode (the
// editor then reads it all back), upload the editor's settings, save them as a user mode. A step
// is started when the link is idle and then watched until the link is idle again or gone.

#include <string_view>

#include "core/model.h"
#include "link/connection.h"

namespace aec {

enum class StepProgress { kRunning, kDone, kFailed };

class ModeSteps {
  public:
    ModeSteps(Model& model, Connection& connection) : m_model(model), m_connection(connection) {}

    // On line with nothing sent that waits for an answer: a step may start.
    bool idle() const;
    // The link went off line for good (lost, failed, unlinked): no step will finish.
    bool linkGone() const;
    // Where the step started last stands.
    StepProgress progress() const;

    // The processor loads mode `index`; the full load of everything follows its acknowledgement.
    void loadMode(int index);
    // The model's settings go to the processor: the pages, then the values they leave out.
    void upload();
    // The processor saves its current settings as user mode `index` under `name`. Unlike the
    // mode save of the window this announces nothing: the link stays on line, paced by the
    // record's acknowledgement. False when the record could not be written.
    bool saveMode(int index, std::string_view name);

  private:
    Model& m_model;
    Connection& m_connection;
};

}  // namespace aec
