# Sourced by the screenshot scripts.
# keep_picture <new> <kept>: copies the new picture over the kept one unless their pixels are
# the same, so that an unchanged window changes no committed bytes.
keep_picture() {
    if [ -f "$2" ] && [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; then
        echo "$2: unchanged"
    else
        cp "$1" "$2"
        echo "$2: written"
    fi
}
