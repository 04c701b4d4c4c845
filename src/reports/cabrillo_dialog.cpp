#include "reports/cabrillo_dialog.h"

#include "resources/dialog_look.h"
#include "resources/resource_ids.h"

Cabrillo::Cabrillo() : CDialog(IDD_CABRILLO) {
    SetBackgroundColors(kDialogBackground, kDialogText);
}

void Cabrillo::DoDataExchange(CDataExchange* exchange) {
    DDX_Text(exchange, IDC_CABRILLO_CONTEST, m_values.contest);
    DDX_Text(exchange, IDC_CABRILLO_CALLSIGN, m_values.callsign);
    DDX_Text(exchange, IDC_CABRILLO_CLAIMED, m_values.claimed);
    DDX_CBString(exchange, IDC_CABRILLO_CATEGORY_OPERATOR, m_values.categoryOperator);
    DDX_CBString(exchange, IDC_CABRILLO_CATEGORY_BAND, m_values.categoryBand);
    DDX_CBString(exchange, IDC_CABRILLO_CATEGORY_MODE, m_values.categoryMode);
    DDX_CBString(exchange, IDC_CABRILLO_CATEGORY_POWER, m_values.categoryPower);
    DDX_CBString(exchange, IDC_CABRILLO_CATEGORY_TIME, m_values.categoryTime);
    DDX_CBString(exchange, IDC_CABRILLO_CATEGORY_TRANSMITTER, m_values.categoryTransmitter);
    DDX_CBString(exchange, IDC_CABRILLO_CATEGORY_OVERLAY, m_values.categoryOverlay);
    DDX_CBString(exchange, IDC_CABRILLO_CATEGORY_STATION, m_values.categoryStation);
    DDX_Text(exchange, IDC_CABRILLO_OFFTIME, m_values.offTime);
    DDX_Text(exchange, IDC_CABRILLO_NAME, m_values.name);
    DDX_Text(exchange, IDC_CABRILLO_ADDRESS, m_values.address);
    DDX_Text(exchange, IDC_CABRILLO_ADDRESS_CITY, m_values.addressCity);
    DDX_Text(exchange, IDC_CABRILLO_ADDRESS_POSTALCODE, m_values.addressPostalCode);
    DDX_Text(exchange, IDC_CABRILLO_ADDRESS_COUNTRY, m_values.addressCountry);
    DDX_Text(exchange, IDC_CABRILLO_OPERATORS, m_values.operators);
    DDX_Text(exchange, IDC_CABRILLO_CLUB, m_values.club);
    DDX_Text(exchange, IDC_CABRILLO_SOAPBOX, m_values.soapBox);
    DDX_Text(exchange, IDC_CABRILLO_EMAIL, m_values.email);
}
