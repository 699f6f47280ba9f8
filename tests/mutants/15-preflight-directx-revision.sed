# DirectX 7.0a itself is offered an upgrade
# file: preflight/directx_offer.cpp
109s/revision >= /revision > /
