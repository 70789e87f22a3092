record "$@"
sleep 0.5
echo 'late error' >&2
exit 4
