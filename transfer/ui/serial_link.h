#pragma once
// The serial link of the transfer: the device of the port number in the settings
// ("Transfer"/"Com", 1 to 8, counted as transfer/serial_ports.h says) or of the
// device path that overrides it ("Transfer"/"Device"), opened at 19200 baud,
// 8 data bits, no parity, 1 stop bit. Received bytes are announced by readyRead();
// the port is released by close() or when the link is destroyed.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>
#include <string>

class QSerialPort;

class SerialLink : public QObject {
  Q_OBJECT
 public:
  explicit SerialLink(QObject* parent = nullptr);
  ~SerialLink() override;

  // Opens and configures the line. Returns the port status: 0 when the port is ready,
  // otherwise non-zero (the port is then closed again).
  uint16_t open(int port, const std::string& devicePath);
  void close();
  bool isOpen() const;
  // 0 while the port works; the last error of the port otherwise.
  uint16_t status() const { return m_status; }
  // The device that was opened (or that was looked for).
  QString device() const { return m_device; }
  QByteArray readAll();

 signals:
  void readyRead();
  void statusChanged(uint16_t status);

 private:
  QSerialPort* m_port;
  QString m_device;
  uint16_t m_status = 0;
};
