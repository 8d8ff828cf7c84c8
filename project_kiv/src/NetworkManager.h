#pragma once
// NetworkManager: placeholder until its subsystem lands.

class NetworkManager {
public:
    NetworkManager();
    virtual ~NetworkManager();
};
