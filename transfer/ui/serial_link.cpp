#include "transfer/ui/serial_link.h"

#include <QSerialPort>

#include "transfer/serial_ports.h"

SerialLink::SerialLink(QObject* parent) : QObject(parent), m_port(new QSerialPort(this)) {
  connect(m_port, &QSerialPort::readyRead, this, &SerialLink::readyRead);
}

SerialLink::~SerialLink() { close(); }

uint16_t SerialLink::open(int port, const std::string& devicePath) {
  close();
  const std::string device = kelp::serialDeviceFor(port, devicePath, kelp::systemSerialDevices());
  m_device = QString::fromStdString(device);
  if (device.empty()) {
    m_status = QSerialPort::DeviceNotFoundError;
    return m_status;
  }
  m_port->setPortName(m_device);
  if (!m_port->open(QIODevice::ReadWrite)) {
    m_status = static_cast<uint16_t>(m_port->error() != QSerialPort::NoError ? m_port->error()
                                                                            : QSerialPort::OpenError);
    return m_status;
  }
  const bool lineSet = m_port->setBaudRate(QSerialPort::Baud19200) &&
                       m_port->setDataBits(QSerialPort::Data8) && m_port->setParity(QSerialPort::NoParity) &&
                       m_port->setStopBits(QSerialPort::OneStop) &&
                       m_port->setFlowControl(QSerialPort::NoFlowControl);
  if (!lineSet) {
    m_status = static_cast<uint16_t>(m_port->error() != QSerialPort::NoError ? m_port->error()
                                                                            : QSerialPort::UnsupportedOperationError);
    m_port->close();
    return m_status;
  }
  // The interfaces draw their power from the control lines: raise DTR and RTS and
  // start from empty buffers. A line without control lines (a pseudo-terminal)
  // refuses these; that does not make the port unusable.
  m_port->setDataTerminalReady(true);
  m_port->setRequestToSend(true);
  m_port->clear();
  m_port->clearError();
  m_status = 0;
  connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
    if (e == QSerialPort::NoError) return;
    m_status = static_cast<uint16_t>(e);
    emit statusChanged(m_status);
  });
  return m_status;
}

void SerialLink::close() {
  disconnect(m_port, &QSerialPort::errorOccurred, this, nullptr);
  if (m_port->isOpen()) m_port->close();
}

bool SerialLink::isOpen() const { return m_port->isOpen(); }

QByteArray SerialLink::readAll() { return m_port->readAll(); }
