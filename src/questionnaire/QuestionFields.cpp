#include "questionnaire/QuestionFields.h"

#include "shell/HouseStyle.h"

namespace quest {

void designLabels(std::initializer_list<LabelDesign> labels)
{
    for (const LabelDesign& l : labels) {
        l.label.designGeometry(l.left, l.top, l.width, l.height);
        l.label.designCaption(l.caption);
        l.label.designBackColor(kCyan);
    }
}

} // namespace quest
