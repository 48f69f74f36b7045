namespace stak {

// Systems without the Linux CD-ROM calls have no tray to move.
void setCdTray(bool) {}

} // namespace stak
