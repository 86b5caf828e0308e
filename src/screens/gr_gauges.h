#pragma once
// The Grand Rapids engine gauge screen set-up.

class App;

namespace screens {

class GrGauges {
 public:
  explicit GrGauges(App& app);

  // Dial marks, scales, visibility, cylinders and the shared engine limits.
  void Update_Form11_data();

 private:
  App& app_;
};

}  // namespace screens
