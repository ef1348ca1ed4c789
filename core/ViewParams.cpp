#include "core/ViewParams.h"

namespace orbanil {

bool isReady(const ViewParams& p)
{
    for (const std::string* field :
         {&p.txtShapeFile, &p.txtCamPosX, &p.txtCamPosY, &p.txtCamPosZ, &p.txtRotLimX,
          &p.txtRotLimY, &p.txtRotLimZ, &p.txtStaDirX, &p.txtStaDirY, &p.txtStaDirZ, &p.txtSound}) {
        if (field->empty()) {
            return false;
        }
    }
    return true;
}

} // namespace orbanil
