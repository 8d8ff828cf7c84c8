#include "ContextNewUser.h"

ContextNewUser::ContextNewUser()
{
    bDeleteWhenFinished = true;
}

void ContextNewUser::activate(bool)
{
    bFinished = true;
}
