#include "Ui/buttons/TipsImpl.h"

template class cTips<cAnimButton>;
template class cTips<cTextButtonT<cAnimButton>>;
template class cTips<cButton>;
template class cTips<cOverlayButton>;
