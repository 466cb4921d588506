#!/usr/bin/env bash
# A CUPS server with the PDF queue of cups-pdf ("PDF"), for the test that prints for real.
# A server that runs already is used as it is; otherwise one is started in the background and
# its process id printed, so the caller can stop it after the run. The queue is added when it
# is missing, and made the system's default printer when there is none.
set -euo pipefail
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# lpstat -r answers 0 either way; only its words tell whether the scheduler runs.
scheduler_runs() { lpstat -r 2>/dev/null | grep -q "is running"; }
if ! scheduler_runs; then
    $sudo cupsd -f >/dev/null 2>&1 &
    echo $!
    for _ in $(seq 50); do
        scheduler_runs && break
        sleep 0.1
    done
fi
if ! lpstat -v PDF >/dev/null 2>&1; then
    $sudo lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
fi
$sudo cupsenable PDF
$sudo cupsaccept PDF
if ! lpstat -d 2>/dev/null | grep -q "destination:"; then
    $sudo lpadmin -d PDF
fi
