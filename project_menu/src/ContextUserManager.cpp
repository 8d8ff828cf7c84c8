#include "ContextUserManager.h"

ContextUserManager::ContextUserManager()
{
    bDeleteWhenFinished = true;
}

void ContextUserManager::activate(bool)
{
    bFinished = true;
}
