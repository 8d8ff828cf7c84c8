#include "CameraStatic.h"

CameraStatic::CameraStatic(float, float, float, bool)
{
}
