# shellcheck shell=bash
# Sourced by the scripts: fail names the script; $tmp is a scratch folder.
me=${0##*/}
fail() {
	echo "$me: $*" >&2
	exit 1
}
# On exit, finish (which a script may define anew) is given the exit
# status; then $tmp goes, even read-only.
finish() { :; }
tmp=$(mktemp -d)
trap 'finish "$?"; chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT

# logged LOG COMMAND...: runs COMMAND, its output added to LOG; where it
# fails, shows LOG and fails.
logged() {
	local log=$1
	shift
	if ! "$@" >>"$log" 2>&1; then
		cat "$log"
		fail "$* failed (its log above)"
	fi
}
