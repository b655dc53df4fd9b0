// The editor's page (app.mjs compares its frames): a board painted with each
// brush, drags and the right button, saved and downloaded byte for byte, its
// play link; the Esc guard; the checker's findings on a hand-written file.
// Usage: node editor.mjs ZIP_FOLDER NATIVE_CAPTURES NODE_MODULES NATIVE_EDITOR PAINTED
import { spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { abrir, abrir_rodando, esperar, esperar_que, esperar_titulo, falhar, pintar, teclar, testar } from './comum.mjs';

const [pasta_web, pasta_nativa, modulos, editor_nativo, pintado] = process.argv.slice(2);
// A new board painted, saved (and so downloaded) and played from its
// link; then Esc with unsaved changes, twice.
async function testar_pintura(navegador, endereco) {
  const pagina = await abrir(navegador, endereco + '/editor.html');
  await esperar_titulo(pagina, '^tabuleiro\\.map - pincel: parede - ');
  const passos = [
    [teclar, '2', 'pincel: monstro'], [pintar, 'left', [[2, 2]]],
    [teclar, '3', 'pincel: avatar'], [pintar, 'left', [[5, 5]]],
    [teclar, '1', '^tabuleiro\\.map\\* - pincel: parede - '], [pintar, 'left', [[1, 8], [14, 8]]],
    // Out past the right edge and down below the board: on along the edge.
    [pintar, 'left', [[14, 1], [17, 1], [17, 13]], [15, 11]], [pintar, 'right', [[2, 2]]],
    [teclar, '0', 'pincel: vazio'], [pintar, 'left', [[7, 8]]],
    [teclar, 's', '^tabuleiro\\.map - pincel: vazio - '],
  ];
  for (const [passo, ...argumentos] of passos) await passo(pagina, ...argumentos);
  await esperar(pagina, () => !document.getElementById('gravado').hidden, 'no download offered');

  const baixado = join(pagina.baixados, 'tabuleiro.map');
  await esperar_que(() => existsSync(baixado), 'no board downloaded');
  if (!readFileSync(baixado).equals(readFileSync(pintado)))
    falhar('downloaded board: ' + readFileSync(baixado, 'latin1'));

  const link = await pagina.$eval('#jogar', (a) => a.href);
  if (link !== endereco + '/index.html?celulas=' + readFileSync(pintado, 'latin1').replace(/\n/g, ''))
    falhar('play link: ' + link);

  await pintar(pagina, 'right', [[1, 8]]);
  await teclar(pagina, 'Escape', '^tabuleiro\\.map\\* - pincel: vazio - Esc de novo sai sem gravar');
  if ((await pagina.evaluate(() => window.editor.estado)) !== 'editando') falhar('one Esc ended the editor');
  await pagina.keyboard.press('Escape');
  await esperar(pagina, () => window.editor.estado === 'terminou', 'the second Esc did not end the editor');
  if ((await pagina.evaluate(() => window.editor.saida)) !== 0) falhar('Esc: status other than 0');
  await pagina.close();
}

// A hand-written board picked in the page: beside the canvas, what the
// native editor's --verificar says of it, and S offers it under its name.
async function testar_verificacao(navegador, endereco) {
  const pasta = mkdtempSync(join(tmpdir(), 'tabuleiro2-verificar-'));
  const nome = 'à mão.map';
  writeFileSync(join(pasta, nome), '1111\t1111x11111111\r\n0000\n' + '1'.repeat(20) + '\n');
  const nativo = spawnSync(editor_nativo, ['--verificar', nome], { cwd: pasta, encoding: 'utf8' });
  const pagina = await abrir_rodando(navegador, endereco + '/editor.html');
  try {
    await (await pagina.$('#arquivo')).uploadFile(join(pasta, nome));
    await esperar(pagina, () => document.getElementById('achados').textContent !== '', 'no findings shown');
    const achados = await pagina.$eval('#achados', (e) => e.textContent);
    if (nativo.status !== 1 || achados !== nativo.stderr)
      falhar('findings on the page:\n' + achados + 'natively (status ' + nativo.status + '):\n' + nativo.stderr);
    await esperar_titulo(pagina, '^à mão\\.map - pincel: parede - ');
    await pagina.keyboard.press('s');
    await esperar(pagina, () => document.getElementById('baixar').download === 'à mão.map', 'download not named as the file');
  } finally {
    rmSync(pasta, { recursive: true, force: true });
  }
  await pagina.close();
}

await testar(pasta_web, pasta_nativa, modulos, [testar_pintura, testar_verificacao]);
